#pragma once
// Small file helpers for tests.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace orvantis::test {

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

}  // namespace orvantis::test
