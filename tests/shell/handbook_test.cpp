// The handbook at F1, the tooltips, and the contrast of what the program adds
// to the window.
#include "shell/extras_commands.h"
#include "../support/form_fixture.h"

#include "shell/continued_fraction_window.h"
#include "shell/handbook_window.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolTip>
#include <gtest/gtest.h>

#include <cmath>

namespace velnorit {
namespace {

using namespace velnorit::view;

// The contrast ratio of two colours as WCAG 2.1 defines it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, the lighter one above.
double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](int value) {
            const double s = value / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ContrastRatio, IsThatOfTheStandard) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(118, 118, 118), Qt::white), 4.54, 0.01); // the lightest grey that passes
    EXPECT_LT(contrastRatio(QColor(119, 119, 119), Qt::white), 4.5);
}

class Handbook : public ::testing::Test {
protected:
    std::unique_ptr<shell::Form1> form = testing::startedForm();
    const FormControls& c = form->controls();

    shell::HandbookWindow* openedByF1() {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(c.vscNenner, Qt::Key_F1);
        return form->findChild<shell::HandbookWindow*>();
    }
};

TEST_F(Handbook, OpensAtF1InAWindowTitledHandbuch) {
    EXPECT_EQ(c.cmdHandbuch->text(), "Handbuch");
    shell::HandbookWindow* handbook = openedByF1();
    ASSERT_NE(handbook, nullptr);
    EXPECT_TRUE(handbook->isVisible());
    EXPECT_EQ(handbook->windowTitle(), "Handbuch");
    EXPECT_FALSE(handbook->isModal());
    ASSERT_TRUE(shell::HandbookWindow::isBuiltIn());
    EXPECT_EQ(handbook->browser().source(), QUrl(shell::HandbookWindow::kStartPage));

    // Again: the same window, shown again after it was closed.
    handbook->close();
    c.cmdHandbuch->trigger();
    EXPECT_EQ(form->findChildren<shell::HandbookWindow*>().size(), 1);
    EXPECT_TRUE(handbook->isVisible());
}

// The handbook explains what the issue asks for, under headings a teacher
// finds, with every picture there and every link leading somewhere.
TEST_F(Handbook, ExplainsTheWindowWithPicturesAndWorkingLinks) {
    c.cmdHandbuch->trigger();
    shell::HandbookWindow* handbook = form->findChild<shell::HandbookWindow*>();
    ASSERT_NE(handbook, nullptr);
    QTextDocument* page = handbook->browser().document();
    const QString text = page->toPlainText();
    for (const char* topic : {"Rekord", "absolute Verbesserung", "Genauigkeit 1/m", "Pellsche Gleichung",
                              "Kettenbruch …", "Tafelbild speichern", "Sicherungskopie", "velnorit-liste",
                              "Strg+Z", "F1", "F9", "F11", "Strg+T", "Bildschirmleser", "Nennerfenster"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;

    QFile source(":/handbuch/index.html");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(source.readAll());
    QStringList pictures;
    const QRegularExpression image(R"re(<img src="([^"]+)")re");
    for (auto m = image.globalMatch(html); m.hasNext();) pictures << m.next().captured(1);
    EXPECT_EQ(pictures, (QStringList{"fenster.png", "graph.png", "tafel.png"}));
    for (const QString& picture : pictures) {
        const QVariant loaded = page->resource(QTextDocument::ImageResource, QUrl(picture));
        const QImage shown = loaded.value<QImage>();
        EXPECT_FALSE(shown.isNull() && loaded.value<QPixmap>().isNull()) << picture.toStdString();
    }

    // The window's picture is the window at 1024 x 768 as the build drew it.
    const QImage window(":/handbuch/fenster.png");
    EXPECT_EQ(window.size(), QSize(1024, 768));

    const QRegularExpression link(R"re(<a href="#([^"]+)")re");
    int links = 0;
    for (auto m = link.globalMatch(html); m.hasNext(); ++links) {
        const QString anchor = m.next().captured(1);
        EXPECT_TRUE(html.contains("name=\"" + anchor + "\"")) << anchor.toStdString();
    }
    EXPECT_GE(links, 10);
}

// Text on what the program adds, the handbook's and the tooltips' among it,
// stands out from its background by at least 4.5 : 1.
TEST_F(Handbook, AddsNothingBelowTheContrastOfTheStandard) {
    c.cmdHandbuch->trigger();
    shell::HandbookWindow* handbook = form->findChild<shell::HandbookWindow*>();
    ASSERT_NE(handbook, nullptr);
    const QPalette browser = handbook->browser().palette();
    EXPECT_GE(contrastRatio(browser.color(QPalette::Text), browser.color(QPalette::Base)), 4.5);
    EXPECT_GE(contrastRatio(browser.color(QPalette::Link), browser.color(QPalette::Base)), 4.5);
    EXPECT_GE(contrastRatio(browser.color(QPalette::HighlightedText), browser.color(QPalette::Highlight)), 4.5);

    // Each piece of the page in its own colours, where it has any.
    const QTextDocument* page = handbook->browser().document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor fore = format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                                           : browser.color(QPalette::Text);
            const QColor back = format.background().style() != Qt::NoBrush ? format.background().color()
                                                                            : browser.color(QPalette::Base);
            EXPECT_GE(contrastRatio(fore, back), 4.5) << it.fragment().text().toStdString();
        }

    const QPalette tips = QToolTip::palette();
    EXPECT_GE(contrastRatio(tips.color(QPalette::ToolTipText), tips.color(QPalette::ToolTipBase)), 4.5);

    form->extras().showContinuedFraction();
    const QPalette dialog = form->extras().continuedFractionWindow()->palette();
    EXPECT_GE(contrastRatio(dialog.color(QPalette::WindowText), dialog.color(QPalette::Window)), 4.5);
    EXPECT_GE(contrastRatio(dialog.color(QPalette::Text), dialog.color(QPalette::Base)), 4.5);
}

// Every control that the window shows has a tooltip of its own, but for the
// pen colour box; the four colour boxes keep theirs.
TEST_F(Handbook, GivesEveryControlATooltip) {
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(c.Picture2[i]->toolTip(), "Farbe für Zeichnen wählen") << i;
    EXPECT_EQ(c.Picture2[4]->toolTip(), "");
    const std::vector<QWidget*> controls = {
        c.vscWurzel, c.vscAbs,    c.vscNenner,  c.vscMaßstab, c.vscMassX,  c.hscn,       c.Command1,
        c.Option1[0], c.Option1[1], c.Option2[0], c.Option2[1], c.Option2[2], c.Option2[3], c.Text3,
        c.Text5,     c.Text2,     c.Text6,      c.txtWurzel,  c.txtAbs,    c.txtNenner,  c.Text1[0],
        c.Text1[1],  c.Text1[2],  c.Text1[3],   c.picGraph};
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->accessibleName().toStdString();
        // Short: a line or two.
        EXPECT_LE(control->toolTip().size(), 90) << control->accessibleName().toStdString();
    }
}

// The graph's tooltip stands left of the pointer, or above it near the
// screen's left edge, clear of the readout field that the pointer shows
// right of it and a little below.
QRect graphToolTipAt(QWidget* graph, QPoint global) {
    const QPoint local = graph->mapFromGlobal(global);
    QHelpEvent help(QEvent::ToolTip, local, global);
    QApplication::sendEvent(graph, &help);
    EXPECT_EQ(QToolTip::text(), graph->toolTip());
    QRect shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QTipLabel")) {
            shown = w->geometry();
            delete w; // gone at once, so that the next tooltip is placed anew
        }
    return shown;
}

TEST_F(Handbook, ShowsTheGraphsTooltipClearOfTheReadout) {
    const QPoint middle(600, 400);
    const QRect left = graphToolTipAt(c.picGraph, middle);
    ASSERT_TRUE(left.isValid());
    EXPECT_LT(left.right(), middle.x());

    const QPoint nearTheEdge(150, 400);
    const QRect above = graphToolTipAt(c.picGraph, nearTheEdge);
    ASSERT_TRUE(above.isValid());
    EXPECT_LT(above.bottom(), nearTheEdge.y());
}

} // namespace
} // namespace velnorit
