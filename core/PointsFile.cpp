#include "PointsFile.h"

namespace orvantis {

TFileResult LoadPointsFile(const QString& path, std::string& text)
{
    QByteArray bytes;
    const TFileResult read = LoadTextBytes(path, bytes, MaxPointsFileSize);
    if (read) text = bytes.toStdString();
    return read;
}

TFileResult SavePointsFile(const QString& path, const std::string& text)
{
    return SaveTextBytes(path, QByteArray::fromStdString(text));
}

QString PointsProblemText(const QString& source, const TCsvProblem& problem)
{
    return QStringLiteral("Nothing was imported from %1\n\n%2.").arg(source, QString::fromStdString(problem.Text()));
}

}  // namespace orvantis
