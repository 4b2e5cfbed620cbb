#include "PlanFiles.h"

#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvantis {

QString PlanFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("orvantis/plans"));
}

const TChannelPlan* TPlanCatalogue::Find(const QString& id) const
{
    for (const TChannelPlan& plan : Plans)
        if (QString::fromStdString(plan.Id) == id) return &plan;
    return nullptr;
}

TPlanCatalogue LoadChannelPlans(const QString& folder)
{
    TPlanCatalogue catalogue;
    catalogue.Plans = BuiltInPlans();
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.csv")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& file : files) {
        const QString id = file.completeBaseName();
        const auto refuse = [&](const QString& reason) { catalogue.Refused.push_back({file.filePath(), reason}); };
        if (catalogue.Find(id)) {
            refuse(QStringLiteral("a plan named %1 is already on offer").arg(id));
            continue;
        }
        QByteArray bytes;
        if (const TFileResult read = LoadTextBytes(file.filePath(), bytes, MaxPlanFileSize); !read) {
            refuse(read.Error);
            continue;
        }
        auto parsed = ParseChannelPlan(id.toStdString(), bytes.toStdString());
        if (auto* problem = std::get_if<TCsvProblem>(&parsed)) {
            refuse(QString::fromStdString(problem->Text()));
            continue;
        }
        catalogue.Plans.push_back(std::move(std::get<TChannelPlan>(parsed)));
    }
    return catalogue;
}

}  // namespace orvantis
