#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace velnorit::acceptance {

// The whole X screen (the root window) as an RGB32 image.
QImage grabScreen();

// Grabs the screen until it shows what `ready` wants and stays the same over
// two grabs in a row (the program has finished painting). Returns the last
// grab; throws ScenarioAborted with `what` after `timeoutMs`.
QImage waitForSettledScreen(const std::function<bool(const QImage&)>& ready, const QString& what,
                            int timeoutMs = 15000);

// Saves a screenshot for a person to look at; a failure to save only warns.
void saveScreenshot(const QImage& image, const QString& path);

} // namespace velnorit::acceptance
