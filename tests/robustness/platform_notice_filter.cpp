#include "platform_notice_filter.h"

#include <QString>

namespace velnorit::testing {

namespace {

QtMessageHandler passOn = nullptr;

bool isPlatformNotice(const QString& message) {
    return message.startsWith(QStringLiteral("This plugin does not support")) ||
           message.contains(QStringLiteral("OpenType support missing for"));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && isPlatformNotice(message)) return;
    if (passOn != nullptr) passOn(type, context, message);
}

} // namespace

PlatformNoticeFilter::PlatformNoticeFilter() : previous_(qInstallMessageHandler(filter)) { passOn = previous_; }

PlatformNoticeFilter::~PlatformNoticeFilter() {
    qInstallMessageHandler(previous_);
    passOn = nullptr;
}

} // namespace velnorit::testing
