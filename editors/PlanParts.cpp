#include "PlanParts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

namespace orvantis {

namespace {

// The titles of the plans built into the program, for the lists in the
// user's language; a title missing here shows as it is written.
[[maybe_unused]] constexpr const char* BuiltInTitles[] = {
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Europe VHF band III"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Europe UHF (Geneva 2006 plan)"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "European cable, S channels"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Australia VHF"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Australia UHF"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Brazil and ISDB-Tb countries, VHF"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Brazil and ISDB-Tb countries, UHF"),
    QT_TRANSLATE_NOOP("orvantis::PlanParts", "Japan UHF"),
};

QString ShownTitle(const TChannelPlan& plan)
{
    const QString id = QString::fromStdString(plan.Id);
    if (!FindBuiltInPlan(plan.Id)) return QCoreApplication::translate("orvantis::PlanParts", "User plan %1.csv").arg(id);
    return QCoreApplication::translate("orvantis::PlanParts", plan.Title.c_str());
}

}  // namespace

void FillPlanList(QComboBox* list, const TPlanCatalogue& catalogue)
{
    const QString chosen = list->currentData().toString();
    list->clear();
    for (const TChannelPlan& plan : catalogue.Plans)
        list->addItem(QStringLiteral("%1: %2, %3")
                          .arg(QString::fromStdString(plan.Id), ShownTitle(plan), QString::fromStdString(plan.ChannelsText())),
                      QString::fromStdString(plan.Id));
    list->setCurrentIndex(std::max(0, list->findData(chosen)));
}

QString RefusedPlansText(const TPlanCatalogue& catalogue)
{
    QStringList lines;
    for (const TRefusedPlan& refused : catalogue.Refused)
        lines << QCoreApplication::translate("orvantis::PlanParts", "Not offered: %1: %2")
                     .arg(QFileInfo(refused.File).fileName(), refused.Reason);
    return lines.join(QLatin1Char('\n'));
}

QTableWidget* MakePreviewTable(QWidget* parent, const QString& name, const QStringList& captions)
{
    auto* table = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(captions);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetPreviewRow(QTableWidget* table, int row, const QStringList& keys, const QStringList& now,
                   const QStringList& after)
{
    int column = 0;
    const auto put = [&](const QString& text, bool changed) {
        auto* item = new QTableWidgetItem(text);
        if (changed) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        table->setItem(row, column++, item);
    };
    for (const QString& key : keys) put(key, false);
    for (const QString& text : now) put(text, false);
    for (qsizetype i = 0; i < after.size(); ++i) put(after[i], i < now.size() && now[i] != after[i]);
}

QLabel* MakeProblemLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("ProblemLabel"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}

}  // namespace orvantis
