#pragma once

#include "check_log.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace velnorit::acceptance {

// Where the graph is compared: its part that no other control covers, with
// the pointer over the list, which hides the field beside the pointer.
struct GraphOnScreen {
    QRect area;
    QPoint restingPointer;
    // The graph once the screen is quiet.
    QImage shown(const QString& what) const;
    // The graph once it equals `expected`, or as it stands after some
    // seconds: a new window may still be busy with its first paint.
    QImage shownLike(const QImage& expected) const;
};

// Checks that two pictures agree in every pixel; when they do not, both are
// saved into the folder under the given name.
bool samePixels(const QImage& a, const QImage& b, const QString& what, const QString& folder, const QString& name,
                CheckLog& log);

// A home folder of the test's own, made empty and set for the program under
// test (HOME and the XDG folders), with the program's state folder in it.
struct TestHome {
    explicit TestHome(const QString& path);
    QString path;
    QString stateFolder;
    QStringList copies() const; // the recovery copies, by name
    void removeCopies() const;
};

// Ends the program by its first menu item and waits until its window is gone.
void endFromMenu(const QString& titlePattern);

} // namespace velnorit::acceptance
