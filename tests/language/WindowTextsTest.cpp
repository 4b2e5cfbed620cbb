// Every window the program has, built as main() builds them: in each shipped
// language no text may stay as written, and every control that takes focus
// must have a name a screen reader can say.

#include "AboutBox.h"
#include "BackupsDlg.h"
#include "CfgEditorDlg.h"
#include "ChannelPlansDlg.h"
#include "ConsoleWindow.h"
#include "DetPointsDlg.h"
#include "FindDlg.h"
#include "MainForm.h"
#include "MessEditDlg.h"
#include "NetworkPortsDlg.h"
#include "PasswordDlg.h"
#include "PlanFillDlg.h"
#include "PointListDlg.h"
#include "PointWords.h"
#include "ProgramInfo.h"
#include "Project.h"
#include "ScratchPad.h"
#include "ScriptedPrompter.h"
#include "SendAllDlg.h"
#include "Translations.h"
#include "WrapUpDown.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QToolButton>
#include <QTranslator>

#include <map>
#include <memory>

#include <gtest/gtest.h>

using namespace orvantis;

namespace {

// The windows of one run of the program, each shown once so that it fills
// itself in.
struct TWindows {
    test::TScriptedPrompter Prompter;
    QTemporaryDir BackupFolder;
    TMainForm Form{Prompter};
    TWindowConsole Console{&Form};
    QList<QWidget*> All;

    TWindows()
    {
        IEditedProject& project = Form.EditedProject();
        auto* password = new TPasswordDlg(&Form);
        auto* scratchPad = new TScratchPad(Prompter, &Form);
        All = {&Form,
               new TAboutBox(&Form),
               scratchPad,
               scratchPad->findChild<TFindDlg*>(),
               new TCfgEditorDlg(project, Prompter, &Form),
               new TDetPointsDlg(project, Prompter, &Form),
               password,
               new TMessEditDlg(project, *password, &Form),
               new TPointListDlg(project, Prompter, &Form),
               new TSendAllDlg(&Form),
               &Console.Window(),
               new TChannelPlansDlg(project, &Form),
               new TPlanFillDlg(project.GetProfile(), {}, 1, &Form),
               new TBackupsDlg(Prompter, BackupFolder.path(), &project.GetProfile(), &Form),
               new TNetworkPortsDlg(&Form)};
        for (QWidget* window : All) window->show();
    }
};

// Each text a window shows, under a key that names where it is.
using TTexts = std::map<QString, QString>;

void Add(TTexts& texts, const QString& where, const QString& text)
{
    if (!text.isEmpty()) texts[where] = text;
}

void AddAction(TTexts& texts, const QString& where, const QAction* action)
{
    Add(texts, where + QStringLiteral(" text"), action->text());
    Add(texts, where + QStringLiteral(" tip"), action->toolTip());
    Add(texts, where + QStringLiteral(" status"), action->statusTip());
    if (action->menu()) Add(texts, where + QStringLiteral(" menu"), action->menu()->title());
}

// Where a widget is, the same in every run: class, name and place among its
// parent's children of that class, from the top.
QString Path(const QObject* widget)
{
    QString path;
    for (const QObject* at = widget; at; at = at->parent()) {
        const char* type = at->metaObject()->className();
        int place = 0;
        if (at->parent())
            for (const QObject* sibling : at->parent()->children()) {
                if (sibling == at) break;
                if (qstrcmp(sibling->metaObject()->className(), type) == 0) ++place;
            }
        path.prepend(QStringLiteral("/%1:%2#%3").arg(QLatin1String(type), at->objectName()).arg(place));
    }
    return path;
}

TTexts CollectTexts(const TWindows& windows)
{
    TTexts texts;
    for (int w = 0; w < windows.All.size(); ++w) {
        QWidget* window = windows.All[w];
        const QString at = QString::number(w);
        Add(texts, at + QStringLiteral(" title"), window->windowTitle());
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* widget : widgets) {
            // A menu is a window of its own, shown for the window of its menu bar.
            const QWidget* owner = qobject_cast<const QMenu*>(widget) ? widget->parentWidget()->window() : widget->window();
            if (widget != window && owner != window) continue;  // another window's
            // The menu bar's overflow menu holds whichever entries do not fit.
            if (const auto* menu = qobject_cast<const QMenu*>(widget); menu && menu->title().isEmpty()) continue;
            const QString where = at + Path(widget) + QLatin1Char(' ');
            Add(texts, where + QStringLiteral("tip"), widget->toolTip());
            Add(texts, where + QStringLiteral("accessible"), widget->accessibleName());
            if (const auto* label = qobject_cast<const QLabel*>(widget)) Add(texts, where + QStringLiteral("label"), label->text());
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) Add(texts, where + QStringLiteral("button"), button->text());
            if (const auto* group = qobject_cast<const QGroupBox*>(widget)) Add(texts, where + QStringLiteral("group"), group->title());
            if (const auto* list = qobject_cast<const QComboBox*>(widget))
                for (int item = 0; item < list->count(); ++item) Add(texts, where + QString::number(item), list->itemText(item));
            // A table's first column names its rows.
            if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
                for (int c = 0; c < table->columnCount(); ++c) Add(texts, where + QString::number(c), table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < table->rowCount(); ++r)
                    if (const QTableWidgetItem* key = table->item(r, 0)) Add(texts, where + QStringLiteral("row ") + QString::number(r), key->text());
            }
            if (const auto* tree = qobject_cast<const QTreeWidget*>(widget))
                for (int c = 0; c < tree->columnCount(); ++c) Add(texts, where + QString::number(c), tree->headerItem()->text(c));
            for (int a = 0; a < widget->actions().size(); ++a)
                AddAction(texts, where + QStringLiteral("action ") + QString::number(a), widget->actions()[a]);
        }
    }
    return texts;
}

// Names, units, numbers and the instrument's own words read the same in
// every language: a text made only of them is not an untranslated one.
bool SameInEveryLanguage(const QString& text)
{
    static const QStringList names{QString::fromLatin1(ApplicationTitle), QString::fromLatin1(ProgramName),
                                   QString::fromLatin1(ProgramNotice), QString::fromLatin1(ProgramVersion),
                                   TProject::UntitledName};
    if (names.contains(text)) return true;
    for (int c = 0; c < PointColumnCount; ++c)
        for (const std::string_view word : PointColumnWords(static_cast<TPointColumn>(c)))
            if (text == QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()))) return true;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    static const QRegularExpression unitOrAcronym(QStringLiteral("^(KHz|MHz|dB|dBuV|dBmV|dBm|[A-Z]{1,4}|T2|COM)$"));
    for (auto match = word.globalMatch(text); match.hasNext();)
        if (!unitOrAcronym.match(match.next().captured()).hasMatch()) return false;
    return true;
}

// What a screen reader says for a control: its name, else (as Orca does,
// and Qt on Linux names a list by its current item) the label linked to it.
QString SpokenName(QAccessibleInterface* control)
{
    QString name = control->text(QAccessible::Name).trimmed();
    for (const auto& [label, relation] : control->relations(QAccessible::Label))
        if (name.isEmpty()) name = label->text(QAccessible::Name).trimmed();
    return name;
}

void RemoveTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void SetLocale(const char* language, const char* lang)
{
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANGUAGE", language);
    qputenv("LANG", lang);
}

}  // namespace

TEST(WindowTexts, LanguageIsTheFirstShippedOneOfTheLocale)
{
    ASSERT_EQ(ShippedLanguages(), (QStringList{QStringLiteral("es"), QStringLiteral("pt_BR")}));
    const struct {
        const char* Language;
        const char* Lang;
        const char* Chosen;
    } cases[] = {
        {"", "pt_BR.UTF-8", "pt_BR"},  {"", "es_AR.UTF-8", "es"},     {"", "pt_PT.UTF-8@euro", "pt_BR"},
        {"", "de_DE.UTF-8", ""},       {"", "C", ""},                 {"pt_BR", "C.UTF-8", ""},
        {"de:es", "fr_FR.UTF-8", "es"}, {"en:pt_BR", "pt_BR.UTF-8", ""}, {"", "", ""},
    };
    for (const auto& c : cases) {
        SetLocale(c.Language, c.Lang);
        EXPECT_EQ(ChosenLanguage(), QString::fromLatin1(c.Chosen)) << "LANGUAGE=" << c.Language << " LANG=" << c.Lang;
    }
    SetLocale("", "de_DE.UTF-8");
    qputenv("LC_MESSAGES", "es_ES.UTF-8");
    EXPECT_EQ(ChosenLanguage(), QStringLiteral("es"));
    qputenv("LC_ALL", "pt_BR.UTF-8");
    EXPECT_EQ(ChosenLanguage(), QStringLiteral("pt_BR"));
    SetLocale("", "C");
}

TEST(WindowTexts, NoWindowKeepsAnEnglishTextInAShippedLanguage)
{
    SetLocale("", "C");
    TTexts english;
    {
        TWindows windows;
        english = CollectTexts(windows);
    }
    ASSERT_GT(english.size(), 200u);
    for (const char* locale : {"pt_BR.UTF-8", "es_ES.UTF-8"}) {
        SetLocale("", locale);
        ASSERT_FALSE(InstallTranslations(*qApp).isEmpty()) << locale;
        TTexts translated;
        {
            TWindows windows;
            translated = CollectTexts(windows);
        }
        RemoveTranslators();
        for (const auto& [where, text] : translated)
            EXPECT_TRUE(english.count(where)) << locale << ": " << qPrintable(where) << " " << qPrintable(text);
        QStringList untranslated;
        for (const auto& [where, text] : english)
            if (QString(translated[where]).remove(QLatin1Char('&')) == QString(text).remove(QLatin1Char('&')) &&
                !SameInEveryLanguage(text))
                untranslated << where + QStringLiteral(": ") + text;
        EXPECT_TRUE(untranslated.isEmpty()) << locale << ":\n" << qPrintable(untranslated.join(QLatin1Char('\n')));
    }
    SetLocale("", "C");
}

TEST(Accessibility, EveryFocusableControlHasAName)
{
    QAccessible::setActive(true);
    TWindows windows;
    int checked = 0;
    QStringList nameless;
    for (QWidget* window : windows.All) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (widget->window() != window || widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window)) continue;
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(control, nullptr);
            ++checked;
            if (SpokenName(control).isEmpty())
                nameless << window->objectName() + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ') +
                                QString::fromLatin1(widget->metaObject()->className());
        }
    }
    std::printf("Accessible names checked on %d focusable controls\n", checked);
    EXPECT_TRUE(nameless.isEmpty()) << qPrintable(nameless.join(QLatin1Char('\n')));
}

TEST(Accessibility, PointListCellsReadWithTheirPointAndColumn)
{
    QAccessible::setActive(true);
    TWindows windows;
    auto* table = windows.All[8]->findChild<QTableWidget*>();
    ASSERT_GT(table->rowCount(), 6);
    table->item(5, 1)->setText(QStringLiteral("474000.0"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface* cell = list->tableInterface()->cellAt(5, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Point 6, Frequency (KHz), 474000.0"));
}

// Keyboard alone: a button that takes no focus is a spinner's arrow (its
// field's arrow keys stand for it), a tool bar's (the menus have its
// commands) or the table's corner (Ctrl+A); and in each shipped language every
// menu and every entry of a menu has an Alt letter of its own. (The English
// texts are kept as they have always been.)
TEST(Accessibility, EveryCommandIsReachableByKeyboardInEachLanguage)
{
    for (const char* locale : {"C", "pt_BR.UTF-8", "es_ES.UTF-8"}) {
        const bool translated = locale != std::string_view("C");
        SetLocale("", locale);
        InstallTranslations(*qApp);
        TWindows windows;
        RemoveTranslators();
        QStringList problems;
        const auto checkKeys = [&](const QString& where, const QList<QAction*>& actions) {
            QMap<QChar, QString> taken;
            for (const QAction* action : actions) {
                if (action->isSeparator()) continue;
                const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
                const QChar key = amp < 0 ? QChar() : action->text().at(amp + 1).toLower();
                if (key.isNull()) problems << where + QStringLiteral(": no key for ") + action->text();
                else if (taken.contains(key)) problems << where + QStringLiteral(": ") + taken[key] + QStringLiteral(" and ") + action->text();
                taken[key] = action->text();
            }
        };
        for (QWidget* window : windows.All) {
            for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
                if (!translated) continue;
                checkKeys(QStringLiteral("menu bar"), bar->actions());
                for (const QAction* menu : bar->actions()) checkKeys(menu->text(), menu->menu()->actions());
            }
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                if (button->window() == window && button->focusPolicy() == Qt::NoFocus &&
                    !qobject_cast<TWrapUpDown*>(button->parentWidget()) && !button->parentWidget()->inherits("QToolBar") &&
                    !button->parentWidget()->inherits("QMenuBar") && !button->parentWidget()->inherits("QAbstractItemView"))
                    problems << QStringLiteral("no focus: ") + button->objectName();
        }
        EXPECT_TRUE(problems.isEmpty()) << locale << ":\n" << qPrintable(problems.join(QLatin1Char('\n')));
    }
    SetLocale("", "C");
}

// A label of a fixed width (the status bar's panels) must hold its longest
// translation.
TEST(WindowTexts, NoFixedWidthLabelCutsItsTextInAnyLanguage)
{
    for (const char* locale : {"C", "pt_BR.UTF-8", "es_ES.UTF-8"}) {
        SetLocale("", locale);
        InstallTranslations(*qApp);
        TWindows windows;
        RemoveTranslators();
        for (QWidget* window : windows.All) {
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (label->minimumWidth() != label->maximumWidth() || label->text().isEmpty()) continue;
                EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text()))
                    << locale << ": " << qPrintable(label->text());
            }
        }
    }
    SetLocale("", "C");
}
