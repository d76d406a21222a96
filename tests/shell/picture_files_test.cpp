// "Bild exportieren …" and "Drucken …": the files read back, the worksheet's
// text, the printer path, a failed save, and the save dialog with its
// endings and its question before a file is replaced.
#include "shell/extras_commands.h"
#include "shell/lesson_file_commands.h"
#include "../support/form_fixture.h"
#include "../support/run_process.h"

#include "core/result_list.h"
#include "shell/picture_files.h"
#include "view/graph_picture.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velnorit {
namespace {

using testing::runProcess;

// Runs of blanks as one: pdftotext lays out the columns by their places.
std::string squeezed(const std::string& text) {
    std::string out;
    for (const char ch : text)
        if (ch != ' ' || (!out.empty() && out.back() != ' ')) out += ch;
    return out;
}

class SavedPicture : public ::testing::Test {
protected:
    std::unique_ptr<shell::Form1> form = testing::startedForm();
    const view::FormControls& c = form->controls();
    QTemporaryDir folder;

    QString path(const QString& name) const { return folder.filePath(name); }
    // poppler's tools, installed by scripts/prepare.
    static std::string tool(const char* name) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        EXPECT_FALSE(found.isEmpty()) << name << " is missing (poppler-utils)";
        return found.toStdString();
    }
    static std::string pdfText(const QString& pdf) {
        const auto result = runProcess(tool("pdftotext"), {"-layout", pdf.toStdString(), "-"});
        EXPECT_EQ(result.exitStatus, 0) << result.standardError;
        return result.standardOutput;
    }
    static std::string pdfPages(const QString& pdf) {
        const auto result = runProcess(tool("pdfinfo"), {pdf.toStdString()});
        const auto at = result.standardOutput.find("Pages:");
        return at == std::string::npos ? "" : result.standardOutput.substr(at, result.standardOutput.find('\n', at) - at);
    }
};

// The PNG has twice the panel's pixels and, where the graph shows on the
// screen, the screen's colours.
TEST_F(SavedPicture, APngHasTheGraphsColoursAtTheirPlaces) {
    c.Text6->setVisible(false); // the readout field is no part of the picture
    ASSERT_TRUE(form->extras().savePictureTo(path("bild.png")));
    const QImage saved(path("bild.png"));
    ASSERT_EQ(saved.size(), c.picContainer->size() * 2);
    const QImage screen = c.picContainer->grab().toImage();

    int compared = 0, equal = 0;
    for (int y = c.picContainer->height() / 2; y < c.picContainer->height() * 9 / 10; y += 3)
        for (int x = c.picContainer->width() * 45 / 100; x < c.picContainer->width() * 95 / 100; x += 3) {
            if (c.picContainer->childAt(x, y) != c.picGraph) continue; // another control covers the graph
            ++compared;
            equal += saved.pixel(2 * x, 2 * y) == screen.pixel(x, y) ? 1 : 0;
        }
    ASSERT_GT(compared, 1000);
    EXPECT_GT(equal, compared * 97 / 100) << equal << " of " << compared;
    // The legend's background and the lower axis label's box lie where they are on the screen.
    const QPoint legend = c.picLegende->mapTo(c.picContainer, QPoint(2, c.picLegende->height() - 3));
    EXPECT_EQ(QColor(saved.pixel(legend * 2)), QColor(192, 192, 192));
    const QPoint label = c.Text1[2]->mapTo(c.picContainer, QPoint(2, 2));
    EXPECT_EQ(QColor(saved.pixel(label * 2)), QColor(224, 224, 224));
}

TEST_F(SavedPicture, AnSvgParsesAndHoldsTheMarks) {
    ASSERT_TRUE(form->extras().savePictureTo(path("bild.svg")));
    QSvgRenderer renderer(path("bild.svg"));
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), c.picContainer->size()));
    QFile file(path("bild.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // The red dots of the lower records, the denominator labels and the legend.
    EXPECT_GT(svg.count(QStringLiteral("#fa0000")), 5);
    EXPECT_TRUE(svg.contains(QStringLiteral(">701<")) || svg.contains(QStringLiteral(">700<")));
    EXPECT_TRUE(svg.contains(QStringLiteral("absolut besser")));
}

// The PDF is a worksheet: the title line and the picture, then the list;
// printing through the printer path gives the same pages.
TEST_F(SavedPicture, APdfWorksheetHasTheTitleAndTheListAndPrintsTheSame) {
    ASSERT_TRUE(form->extras().savePictureTo(path("blatt.pdf")));
    const std::string text = squeezed(pdfText(path("blatt.pdf")));
    EXPECT_NE(text.find("Ziel = (√5 + 0) / 2 = 1.118033988749895"), std::string::npos) << text;
    EXPECT_NE(text.find("Folge max/min(n)"), std::string::npos);
    EXPECT_NE(text.find("(* = absolute Verbesserung)"), std::string::npos);
    // Two pages (pdftotext ends each with a form feed): the list of the
    // default target fits on the second.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);
    // Every list line, in order, after the picture's page.
    const std::string list = c.Text5->crLfText();
    std::size_t searchFrom = text.find('\f');
    ASSERT_NE(searchFrom, std::string::npos);
    for (std::size_t start = 0, end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = squeezed(list.substr(start, end - start));
        if (!line.empty() && line.front() == ' ') line.erase(0, 1);
        if (line.empty()) continue;
        const std::size_t at = text.find(line, searchFrom);
        EXPECT_NE(at, std::string::npos) << line;
        if (at != std::string::npos) searchFrom = at;
    }

    QPrinter printer(QPrinter::ScreenResolution);
    shell::prepareWorksheetPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("gedruckt.pdf"));
    form->extras().printTo(printer);
    EXPECT_EQ(squeezed(pdfText(path("gedruckt.pdf"))), text);
    EXPECT_EQ(pdfPages(path("gedruckt.pdf")), pdfPages(path("blatt.pdf")));
    EXPECT_NE(pdfPages(path("blatt.pdf")), "");
}

// A save that cannot be written shows a German message and leaves no file,
// and an earlier file of that name unchanged.
TEST_F(SavedPicture, AFailedSaveShowsAMessageAndLeavesNoPartialFile) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("schreibgeschuetzt"));
    const QString readOnly = path("schreibgeschuetzt");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile blocker(path("eine-datei"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("bleibt");
    blocker.close();

    QStringList targets = {path("eine-datei/bild.png")}; // a file is no folder
    if (geteuid() != 0) targets << readOnly + "/bild.pdf"; // the super-user may write anyway
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        bool saved = true;
        const testing::MessageBoxSeen seen = testing::whileMessageBoxOpen([&] { saved = form->extras().savePictureTo(target); });
        EXPECT_FALSE(saved);
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.title, "Bild exportieren");
        EXPECT_TRUE(seen.text.startsWith("Das Bild konnte nicht gespeichert werden.")) << seen.text.toStdString();
        EXPECT_FALSE(QFile::exists(target));
    }
    // Printing to a file that cannot be written says so, as a save does.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("eine-datei/blatt.pdf"));
    bool printed = true;
    const testing::MessageBoxSeen seen = testing::whileMessageBoxOpen([&] { printed = form->extras().printTo(printer); });
    EXPECT_FALSE(printed);
    EXPECT_EQ(seen.title, "Drucken");
    EXPECT_TRUE(seen.text.startsWith("Das Arbeitsblatt konnte nicht gespeichert werden.")) << seen.text.toStdString();
    EXPECT_TRUE(QDir(readOnly).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    QFile kept(path("eine-datei"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "bleibt");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A pipe or a socket is refused with a German reason before it is opened:
// opening a pipe nobody reads would stop the window until somebody does.
// The same for the lesson, the picture and the list.
TEST_F(SavedPicture, APipeOrASocketIsRefusedWithoutWaiting) {
    const QString pipe = path("rohr");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString socketPath = path("steckdose");
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(socketFd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray local = QFile::encodeName(socketPath);
    ASSERT_LT(std::size_t(local.size()), sizeof address.sun_path);
    std::copy(local.begin(), local.end(), address.sun_path);
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    struct Writer {
        const char* what;
        QString title;
        std::function<bool(const QString&)> write;
    };
    const std::vector<Writer> writers = {
        {"lesson", "Tafelbild speichern", [&](const QString& p) { return form->lessonFiles().saveTo(p); }},
        {"picture", "Bild exportieren", [&](const QString& p) { return form->extras().savePictureTo(p, shell::PictureFormat::Png); }},
        {"list", "Liste speichern", [&](const QString& p) { return form->extras().saveListTo(p, shell::ExtrasCommands::ListFormat::Csv); }},
    };
    for (const QString& target : {pipe, socketPath})
        for (const Writer& writer : writers) {
            SCOPED_TRACE(std::string(writer.what) + " to " + target.toStdString());
            bool written = true;
            const testing::MessageBoxSeen seen = testing::whileMessageBoxOpen([&] { written = writer.write(target); });
            EXPECT_FALSE(written);
            EXPECT_EQ(seen.title, writer.title);
            EXPECT_TRUE(seen.text.contains("keine gewöhnliche Datei")) << seen.text.toStdString();
        }
    ::close(socketFd);
}

// "Liste speichern …": the text file is the list box as shown; the table
// has a row for every record line of the list, with the same fraction, m and
// k, in the same order, and fails like every other save.
TEST_F(SavedPicture, TheSavedListHoldsTheListBoxsRecordsAsTextAndAsTable) {
    ASSERT_TRUE(form->extras().saveListTo(path("liste.txt"), shell::ExtrasCommands::ListFormat::Text));
    QFile text(path("liste.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString shown = c.Text5->toPlainText();
    EXPECT_EQ(QString::fromUtf8(text.readAll()), shown);

    ASSERT_TRUE(form->extras().saveListTo(path("liste.csv"), shell::ExtrasCommands::ListFormat::Csv));
    QFile csv(path("liste.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 mark for the spreadsheet";
    QStringList rows = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), "Seite,Zähler,Nenner,m,k,Verbesserung,Art");
    // A record line of the box: "> p/ q   1/ m   k" with a star for an improvement.
    QStringList expected;
    for (const QString& line : shown.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
        const QRegularExpressionMatch m = QRegularExpression(
            QStringLiteral(R"(^\s*([<>])\s*(\d+)/\s*(\d+)\s+1/\s*(\d+)\s+(-?\d+)\s*(\*?)\s*$)")).match(line);
        if (!m.hasMatch()) continue;
        expected << QStringLiteral("%1,%2,%3,%4,%5,%6").arg(m.captured(1) == ">" ? "unten" : "oben",
            m.captured(2), m.captured(3), m.captured(4), m.captured(5), m.captured(6));
    }
    ASSERT_GT(expected.size(), 3);
    ASSERT_EQ(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].section(',', 0, 5), expected[i]) << i;

    bool saved = true;
    const testing::MessageBoxSeen seen =
        testing::whileMessageBoxOpen([&] { saved = form->extras().saveListTo("/dev/full", shell::ExtrasCommands::ListFormat::Csv); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(seen.title, "Liste speichern");
    EXPECT_TRUE(seen.text.startsWith("Die Liste konnte nicht gespeichert werden.")) << seen.text.toStdString();
}

// The dialog as a user fills it in: the file kind chosen, the name typed,
// then every question and message answered in turn.
struct DialogRun {
    const char* name;
    const char* filter;       // chosen in the dialog
    QString typed;            // relative names lie in the test's folder
    QString question;         // a part of the question before replacing, or empty for none
    bool replace;             // the answer to it
    QString written;          // the file that holds the picture afterwards, or empty
    const char* header;       // its first bytes
    QString failure;          // a part of the failure message, or empty for none
};

TEST_F(SavedPicture, TheDialogAddsTheEndingBeforeItAsksAndLeavesDevicesAsTyped) {
    QFile old(path("altbild.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    const std::vector<DialogRun> runs = {
        {"a name without ending is asked for as .png, and No keeps the file", "PNG-Bild (*.png)", "altbild",
         "altbild.png", false, path("altbild.png"), "alt", {}},
        {"Yes replaces it", "PNG-Bild (*.png)", "altbild", "altbild.png", true, path("altbild.png"), "\x89PNG", {}},
        {"the chosen kind gives the ending", "SVG-Vektorgraphik (*.svg)", "neu", {}, false, path("neu.svg"), "<?xml",
         {}},
        {"a typed ending wins over the chosen kind", "PNG-Bild (*.png)", "blatt.pdf", {}, false, path("blatt.pdf"),
         "%PDF", {}},
        {"a device keeps its name", "PNG-Bild (*.png)", "/dev/full", "full", true, {}, "", "Datei: /dev/full\n"},
    };
    for (const DialogRun& run : runs) {
        SCOPED_TRACE(run.name);
        QStringList questions, failures;
        bool dialogSeen = false;
        testing::whileModalsOpen([&] { form->extras().exportPicture(); },
                                 [&](QWidget* modal) {
                                     if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                                         const bool question = box->button(QMessageBox::Yes) != nullptr;
                                         (question ? questions : failures) << box->text();
                                         if (question) box->button(run.replace ? QMessageBox::Yes : QMessageBox::No)->click();
                                         else box->accept();
                                         return;
                                     }
                                     auto* dialog = qobject_cast<QFileDialog*>(modal);
                                     ASSERT_NE(dialog, nullptr);
                                     if (dialogSeen) { // back after a No
                                         dialog->reject();
                                         return;
                                     }
                                     dialogSeen = true;
                                     EXPECT_EQ(dialog->windowTitle(), "Bild exportieren");
                                     dialog->selectNameFilter(QString::fromLatin1(run.filter));
                                     auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                                     ASSERT_NE(name, nullptr);
                                     name->setText(QDir::isAbsolutePath(run.typed) ? run.typed : path(run.typed));
                                     QMetaObject::invokeMethod(dialog, "accept"); // as the button "Speichern"
                                 });
        EXPECT_TRUE(dialogSeen);
        EXPECT_EQ(questions.size(), run.question.isEmpty() ? 0 : 1) << questions.join("|").toStdString();
        if (!questions.isEmpty()) {
            EXPECT_TRUE(questions.first().contains(run.question)) << questions.first().toStdString();
            EXPECT_FALSE(questions.first().contains(run.question + ".png") && !run.question.endsWith(".png"));
        }
        EXPECT_EQ(failures.size(), run.failure.isEmpty() ? 0 : 1);
        if (!failures.isEmpty()) {
            EXPECT_TRUE(failures.first().contains(run.failure)) << failures.first().toStdString();
        }
        if (!run.written.isEmpty()) {
            QFile written(run.written);
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            EXPECT_TRUE(written.readAll().startsWith(QByteArray(run.header)));
        }
    }
    EXPECT_FALSE(QFile::exists("/dev/full.png"));
    EXPECT_FALSE(QFile::exists(path("altbild")));
    QFile::remove("/dev/full.png"); // should the check above have failed
}

TEST(PictureNames, MadeFromTheDrawnParameters) {
    view::ViewSettings drawn;
    drawn.wurzel = 5;
    drawn.abs = 0;
    drawn.nenner = 2;
    EXPECT_EQ(view::pictureBaseName(drawn), "velnorit-W5-A0-N2-plus");
    drawn = {6, 1, 3, false, true};
    EXPECT_EQ(view::pictureBaseName(drawn), "velnorit-W6-A1-N3-minus");
    EXPECT_EQ(view::worksheetTitle(drawn), "Ziel = (√6 - 1) / 3 = 0.4831632475943926");
}

} // namespace
} // namespace velnorit
