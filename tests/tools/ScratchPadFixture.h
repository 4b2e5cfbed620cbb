#pragma once
// The editor shown (not modally) with scripted dialogs, and helpers that
// drive it through its own menu actions and text area.

#include "PrintDialogs.h"
#include "ScratchPad.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orvantis::test {

// Prints to a PDF file on a small page at 72 dots per inch, so one printer
// pixel is one point: an 8-point font gives a pitch of 11 and a 132-point
// page gives 8 rows.
class TPdfPrintDialogs : public IPrintDialogs {
public:
    bool Print(QPrinter& printer, QWidget*) override
    {
        ++PrintCalls;
        Printer = &printer;
        if (!Accept) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path);
        printer.setResolution(72);
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QSizeF(300, PageHeight), QPageSize::Point, QString(), QPageSize::ExactMatch));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        return true;
    }
    bool PrinterSetup(QPrinter& printer, QWidget*) override
    {
        ++SetupCalls;
        Printer = &printer;
        return true;
    }
    QString Path;
    bool Accept = true;
    int PageHeight = 132;
    int PrintCalls = 0;
    int SetupCalls = 0;
    QPrinter* Printer = nullptr;
};

class ScratchPadFixture : public ::testing::Test {
protected:
    ScratchPadFixture()
    {
        FPrint.Path = FDir.filePath(QStringLiteral("print.pdf"));
        FPad.SetPrintDialogs(FPrint);
        FPad.show();
    }
    void TearDown() override { EXPECT_TRUE(FPrompter.AllAnswersUsed()) << "a scripted answer was not asked for"; }

    QPlainTextEdit* Memo() { return FPad.findChild<QPlainTextEdit*>(QStringLiteral("Memo")); }
    QAction* Action(const char* name) { return FPad.findChild<QAction*>(QString::fromLatin1(name)); }
    void Trigger(const char* name)
    {
        QAction* action = Action(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    // Types text as keys, with Return for each line end.
    void Type(const QString& text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(Memo(), Qt::Key_Return);
            QTest::keyClicks(Memo(), lines[i]);
        }
    }
    QString Text() { return Memo()->toPlainText(); }
    QString FileWith(const QString& name, const QByteArray& bytes)
    {
        const QString path = FDir.filePath(name);
        WriteAll(path, bytes);
        return path;
    }
    void Open(const QString& path)
    {
        FPrompter.AnswerFile(path);
        Trigger("FileOpen");
    }
    // Keeps a picture of the window for the documentation when asked to.
    void Screenshot(const QString& name)
    {
        const QByteArray dir = qgetenv("ORVANTIS_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        QApplication::processEvents();
        FPad.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name);
    }
    int MessageCount() const { return static_cast<int>(FPrompter.Messages.size()); }
    QString LastMessage() const { return FPrompter.Messages.isEmpty() ? QString() : FPrompter.Messages.last().Text; }

    QTemporaryDir FDir;
    TScriptedPrompter FPrompter;
    TPdfPrintDialogs FPrint;
    TScratchPad FPad{FPrompter};
};

}  // namespace orvantis::test
