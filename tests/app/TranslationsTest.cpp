// The window in the desktop's language. The catalogues are complete and keep every
// placeholder; the real window, started again under each locale through the
// environment as a desktop starts it, speaks that language in its menus (with
// letters unique in each menu) and in Qt's own buttons, and writes exactly the
// bytes of an English run into result files, Copy's text and its settings.
#include "MainWindowHarness.h"

#include "QtTestSupport.h"
#include "UAbout.h"
#include "UDecode.h"
#include "zelGridFormule.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>

#include <map>

namespace {

const QStringList kLocales = {"C.UTF-8",     "en_GB.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8",
                              "nl_NL.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "pl_PL.UTF-8"};

QStringList Placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression("%[0-9n]").globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// One message of a catalogue, and what is wrong with it.
struct TCatalogueEntry {
    QString source;
    QStringList forms;
    QString type;
    bool numerus = false;
};

std::vector<TCatalogueEntry> ReadCatalogue(const QString& fileName)
{
    QXmlStreamReader xml(ReadAll(fileName));
    std::vector<TCatalogueEntry> entries;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"message")
            entries.push_back({{}, {}, {}, xml.attributes().value("numerus") == u"yes"});
        else if (xml.name() == u"source")
            entries.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            entries.back().type = xml.attributes().value("type").toString();
            if (!entries.back().numerus)
                entries.back().forms << xml.readElementText();
        } else if (xml.name() == u"numerusform")
            entries.back().forms << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << fileName.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// The letters after '&' of the visible items of `actions`, each once.
void ExpectUniqueLetters(const QList<QAction*>& actions, const QString& where)
{
    std::map<QChar, QString> taken;
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = action->text();
        const qsizetype amp = text.indexOf(QRegularExpression("&[^&]"));
        if (amp >= 0) {
            const QChar letter = text[amp + 1].toLower();
            EXPECT_FALSE(taken.count(letter)) << where.toStdString() << ": " << text.toStdString() << " and "
                                              << taken[letter].toStdString();
            taken[letter] = text;
        }
        if (QMenu* sub = action->menu())
            ExpectUniqueLetters(sub->actions(), where + " > " + sub->title());
    }
}

// Every caption of `window` fits its control: one line is as wide as its text,
// wrapped text as high as its lines.
void ExpectNothingCut(QWidget* window, const QString& name)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const std::string where = name.toStdString() + ": " + widget->metaObject()->className();
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty() && label->pixmap().isNull()) {
            if (label->wordWrap())
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << where << " " << label->text().toStdString();
            else
                EXPECT_GE(label->width(), label->minimumSizeHint().width()) << where << " " << label->text().toStdString();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty()) {
            const int text = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
            EXPECT_GE(button->width(), text) << where << " " << button->text().toStdString();
        }
    }
}

QStringList ButtonTexts(QWidget* dialog)
{
    QStringList texts;
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text().remove('&');
    texts.sort();
    return texts;
}

} // namespace

TEST(TranslationCatalogues, EveryEntryIsFinishedAndKeepsItsPlaceholders)
{
    const QDir folder(CORVANA_TRANSLATIONS_DIR);
    const QStringList files = folder.entryList({"corvana_*.ts"});
    EXPECT_EQ(files.size(), 7); // six languages and the English plural forms
    for (const QString& file : files) {
        const std::size_t forms = file == "corvana_pl.ts" ? 3 : 2;
        for (const TCatalogueEntry& entry : ReadCatalogue(folder.filePath(file))) {
            const std::string where = file.toStdString() + ": " + entry.source.toStdString();
            EXPECT_TRUE(entry.type.isEmpty()) << where << " is " << entry.type.toStdString();
            ASSERT_EQ(entry.forms.size(), entry.numerus ? forms : 1) << where;
            for (const QString& form : entry.forms) {
                EXPECT_FALSE(form.isEmpty()) << where;
                EXPECT_EQ(Placeholders(form), Placeholders(entry.source)) << where << " -> " << form.toStdString();
            }
        }
    }
}

// Runs in a process of its own that the next test starts under a locale.
class TranslatedWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("CORVANA_TEST_OUTPUT"))
            GTEST_SKIP() << "started by EveryLocaleGivesItsLanguageAndTheSameBytes";
        out = QDir(qEnvironmentVariable("CORVANA_TEST_OUTPUT"));
    }

    // The buttons of the real modal dialog that `open` brings up, closed by Escape.
    QStringList RealDialogButtons(const std::function<void()>& open)
    {
        TDialogService* recorder = SetDialogs(nullptr);
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            buttons = ButtonTexts(modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        open();
        SetDialogs(recorder);
        return buttons;
    }

    // Shows the modal dialog that `open` brings up: the picture of it, nothing cut.
    // `dialogClass` names it: a wait for the print server may come first.
    void LookAtDialog(const QString& name, const char* dialogClass, const std::function<void()>& open)
    {
        bool shown = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (shown || !modal || !modal->inherits(dialogClass))
                return;
            shown = true;
            LookAt(modal, name);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        poll.start(20);
        open();
        EXPECT_TRUE(shown) << name.toStdString();
        Activate();
    }

    void LookAt(QWidget* window, const QString& name)
    {
        QApplication::processEvents();
        ExpectNothingCut(window, name);
        window->grab().save(out.filePath(name + ".png"));
    }

    QDir out;
};

TEST_F(TranslatedWindow, SpeaksTheDesktopsLanguage)
{
    Open();
    for (const char* plate : {"hk 55 evb", "m-ab 1234", "\xC3\x84\xC3\x96\xC3\x9C 1"})
        TypePlate(plate);
    ExpectUniqueLetters(form->menuBar()->actions(), "menu bar");
    QStringList report{"file=" + form->mnuFile->title()};
    report << "question=" + RealDialogButtons([&] { form->mnuFileNew->trigger(); }).join(',');
    report << "save=" + RealDialogButtons([&] { form->mnuFileSave->trigger(); }).join(',');

    LookAt(form.get(), "main");
    form->FormAbout = new TFormAbout(form.get()); // as the program makes it
    LookAtDialog("about", "TFormAbout", [&] { form->mnuAbout->trigger(); });
    LookAtDialog("query", "TzelGridQueryF", [&] { QTest::keyClick(form->SG1, Qt::Key_Q, Qt::ControlModifier); });
    LookAtDialog("preview", "TzelGridPreviewF", [&] { QTest::keyClick(form->SG1, Qt::Key_P, Qt::ControlModifier); });
    const QString list = out.filePath("list.csv");
    WriteAll(list, "Nr.;Kennzeichen;Halter\r\n1;HK 55 EVB;Lee\r\n");
    dialogs.fileAnswers = {list};
    LookAtDialog("import", "TFormImport", [&] { form->mnuFileImport->trigger(); });
    form->mnuToolsDecode->trigger();
    TFormDecode* decoder = form->FormDecode;
    QTest::keyClicks(decoder->EditCode, "0x3019E2A");
    LookAt(decoder, "decode");
    decoder->close();
    form->SG1->SetRow(1);
    QTest::keyClick(form->SG1, Qt::Key_F3);
    LookAt(TzelGridFormuleF::Instance(), "formula");
    TzelGridFormuleF::Instance()->btnClose->click();
    Activate();

    dialogs.fileAnswers = {out.filePath("result.txt"), out.filePath("result.csv")};
    form->mnuFileSave->trigger();
    form->mnuFileSave->trigger();
    form->SG1->SetSelection(TGridRect{0, 0, form->SG1->ColCount() - 1, form->SG1->RowCount() - 1});
    form->mnuCopy->trigger();
    WriteAll(out.filePath("copy.txt"), QApplication::clipboard()->text().toUtf8());
    form.reset(); // the settings are written as the window closes
    QFile::copy(IniName(), out.filePath("corvana.ini"));
    WriteAll(out.filePath("report.txt"), report.join('\n').toUtf8());
}

TEST(TranslatedWindows, EveryLocaleGivesItsLanguageAndTheSameBytes)
{
    QTemporaryDir root;
    std::map<QString, std::map<std::string, std::string>> reports;
    for (const QString& locale : kLocales) {
        const QString out = root.filePath(locale);
        QDir().mkpath(out);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", locale);
        env.remove("LANGUAGE");
        env.insert("CORVANA_TEST_LOCALE", locale);
        env.insert("CORVANA_TEST_OUTPUT", out);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=TranslatedWindow.*"});
        ASSERT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitCode(), 0) << locale.toStdString() << "\n" << child.readAll().toStdString();
        for (const QString& line : QString::fromUtf8(ReadAll(out + "/report.txt")).split('\n'))
            reports[locale][line.section('=', 0, 0).toStdString()] = line.section('=', 1).toStdString();
        for (const char* file : {"result.txt", "result.csv", "copy.txt", "corvana.ini"})
            EXPECT_EQ(ReadAll(out + "/" + file), ReadAll(root.filePath("C.UTF-8/") + file))
                << locale.toStdString() << ": " << file;
    }
    const std::map<std::string, std::string> english{{"file", "&File"}, {"question", "Cancel,No,Yes"}, {"save", "Cancel,Save"}};
    EXPECT_EQ(reports["C.UTF-8"], english);
    EXPECT_EQ(reports["en_GB.UTF-8"], english);
    EXPECT_FALSE(ReadAll(root.filePath("C.UTF-8/result.txt")).isEmpty());
    for (const QString& locale : kLocales.mid(2))
        for (const auto& [what, text] : english)
            if (!(locale.startsWith("it") && what == "file")) // Italian says "File" too
                EXPECT_NE(reports[locale][what], text) << locale.toStdString() << ": " << what;
    EXPECT_EQ(reports["de_DE.UTF-8"]["file"], "&Datei");
}
