#pragma once

#include "view/drawing_surface.h"
#include "view/text_boxes.h"
#include "view/value_scroll_bar.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace velnorit::view {

// The colour boxes Picture2(0..3) and the taller box beside them that holds
// the pen colour, and the four tools of Option2.
inline constexpr int kColourBoxCount = 4;
inline constexpr std::size_t kPenColourBox = 4;
inline constexpr int kToolCount = 4;
inline constexpr int kSignOptionCount = 2;

// Every control of the main window under its name, the one table that the
// window, the graph view and the blackboard tools share. The widgets belong
// to the window (Qt parent-child); these are plain pointers to them.
struct FormControls {
    QWidget* clientArea = nullptr; // the window's surface around the panel
    DrawingSurface* picContainer = nullptr; // the panel that holds all the rest

    QGroupBox* Frame3 = nullptr; // "Zeichnen"
    std::array<DrawingSurface*, kColourBoxCount + 1> Picture2{}; // colour boxes, then the pen colour
    QLineEdit* Text3 = nullptr; // the marker text
    std::array<QRadioButton*, kToolCount> Option2{}; // "Steigung", "Freihand", marker, "Radierer"

    QGroupBox* Frame1 = nullptr; // "x-Achse"
    ValueScrollBar* vscMassX = nullptr; // the denominator window
    std::array<LabelBox*, 4> Text1{}; // y top, x first, y bottom, x last

    ValueScrollBar* hscn = nullptr; // pans the graph
    MultiLineBox* Text2 = nullptr; // the accuracy box " 1/m"

    QGroupBox* Frame2 = nullptr; // "y-Achse "
    ValueScrollBar* vscMaßstab = nullptr; // the zoom of the y axis

    MultiLineBox* Text5 = nullptr; // the result list

    DrawingSurface* Picture1 = nullptr; // the formula panel
    QPushButton* Command1 = nullptr; // "Graphik"
    std::array<QRadioButton*, kSignOptionCount> Option1{}; // "+" and "-"
    ValueScrollBar* vscWurzel = nullptr;
    LabelBox* txtWurzel = nullptr;
    LabelBox* txtAbs = nullptr;
    ValueScrollBar* vscAbs = nullptr;
    LabelBox* txtNenner = nullptr;
    ValueScrollBar* vscNenner = nullptr;
    SurfaceLine* Line1 = nullptr; // Line1 to Line3: the root sign
    SurfaceLine* Line2 = nullptr;
    SurfaceLine* Line3 = nullptr;
    SurfaceLine* Line4 = nullptr; // the fraction bar

    DrawingSurface* picLegende = nullptr; // the legend left of the graph
    DrawingSurface* picGraph = nullptr; // the graph, also the blackboard
    MultiLineBox* Text6 = nullptr; // the readout field, a child of the graph
    SurfaceRectangle* Shape1 = nullptr; // the eraser square
    SurfaceLine* Line5 = nullptr; // rubber band of the slope tool

    QAction* cmdEnde = nullptr;
    QAction* cmdAlles = nullptr;
    QAction* cmdZeichnen = nullptr;
    QAction* cmdInfo = nullptr;
    QAction* cmdEinblenden = nullptr;
    QAction* cmdAusblenden = nullptr;
    QAction* cmdProgramm = nullptr;

    // "Extras", the program's own menu at the right end of the bar.
    QMenu* Extras = nullptr;
    QAction* cmdUndo = nullptr;   // "Rückgängig"
    QAction* cmdRedo = nullptr;   // "Wiederholen"
    QAction* cmdOpenLesson = nullptr;   // "Tafelbild öffnen …"
    QAction* cmdSaveLesson = nullptr;   // "Tafelbild speichern"
    QAction* cmdSaveLessonAs = nullptr; // "Tafelbild speichern unter …"
    QAction* cmdExport = nullptr; // "Bild exportieren …"
    QAction* cmdSaveList = nullptr; // "Liste speichern …"
    QAction* cmdPrint = nullptr;  // "Drucken …"
    std::array<QAction*, kToolCount> cmdTool{};         // selects Option2(index)
    std::array<QAction*, kColourBoxCount> cmdColour{}; // clicks the colour box Picture2(index)
    QAction* cmdZiel = nullptr;        // "Ziel eingeben …"
    QAction* cmdSchritte = nullptr;    // "Schritt für Schritt"
    QAction* cmdPraesentation = nullptr; // "Präsentation"
    QAction* cmdKettenbruch = nullptr; // "Kettenbruch …"
    QAction* cmdHandbuch = nullptr;    // "Handbuch", F1

    bool plusSelected() const { return Option1[0]->isChecked(); }
    bool minusSelected() const { return Option1[1]->isChecked(); }
};

} // namespace velnorit::view
