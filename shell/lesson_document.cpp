#include "shell/lesson_document.h"

#include "shell/open_lesson_command.h"
#include "shell/safe_writer.h"

#include <QEvent>
#include <QFileInfo>

#include <variant>

namespace velnorit::shell {

LessonDocument::LessonDocument(view::GraphView& view, tools::PointerTools& tools, const view::FormControls& controls,
                               const QString& recoveryFolder)
    : view_(view), tools_(tools), c_(controls), history_(stack_, view, *controls.picGraph),
      recovery_(
          recoveryFolder,
          [this]() -> std::optional<view::LessonSnapshot> {
              if (!differsFromSaved()) return std::nullopt;
              return snapshot();
          },
          [this] { return history_.toolStepOpen(); }) {
    connect(&recovery_, &RecoveryWriter::writeFailed, this, &LessonDocument::recoveryCopyFailed);
    watchStoredControls();
}

LessonDocument::~LessonDocument() {
    started_ = false; // the stack tells of its own end, which is no change
    try {
        recovery_.waitForWrite();
        if (recovery_.pending() || !differsFromSaved()) recovery_.writeNow();
    } catch (...) {
        // The copy written last stays.
    }
}

// Every control whose value a lesson keeps, and the stack that holds the
// rest: a new stored control is added here, and nowhere else.
void LessonDocument::watchStoredControls() {
    connect(&stack_, &QUndoStack::indexChanged, this, &LessonDocument::noteChange);
    connect(&stack_, &QUndoStack::cleanChanged, this, &LessonDocument::noteChange);
    connect(&history_, &tools::UndoHistory::toolStepOpenChanged, this, &LessonDocument::noteChange);
    connect(c_.hscn, &view::ValueScrollBar::change, this, &LessonDocument::noteChange);
    for (QRadioButton* tool : c_.Option2) connect(tool, &QRadioButton::toggled, this, &LessonDocument::noteChange);
    connect(c_.Picture2[view::kPenColourBox], &view::DrawingSurface::backColorChanged, this,
            &LessonDocument::noteChange);
    connect(c_.Text3, &QLineEdit::textChanged, this, &LessonDocument::noteChange);
    c_.Text5->installEventFilter(this); // shown and hidden by the list's menu
}

bool LessonDocument::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.Text5 && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        noteChange();
    return QObject::eventFilter(watched, event);
}

void LessonDocument::start() {
    history_.start();
    saved_ = storedChoices();
    started_ = true;
    noteChange();
}

LessonDocument::StoredChoices LessonDocument::storedChoices() const {
    return {static_cast<Integer>(c_.hscn->value()), windowChoicesOf(c_)};
}

bool LessonDocument::differsFromSaved() const {
    return !stack_.isClean() || history_.toolStepOpen() || storedChoices() != saved_;
}

void LessonDocument::noteChange() {
    if (!started_) return;
    const bool modified = differsFromSaved();
    if (modified != modified_) {
        modified_ = modified;
        emit modifiedChanged(modified);
    }
    recovery_.changed();
}

view::LessonSnapshot LessonDocument::snapshot() const {
    const tools::UndoHistory::SheetPlace sheet = history_.sheetPlace();
    const StoredChoices stored = storedChoices();
    view::LessonSnapshot snapshot;
    lesson::Lesson& lesson = snapshot.lesson;
    lesson.settings = sheet.base;
    // The pan is the one shown now: panning draws nothing anew.
    lesson.settings.pan = stored.pan;
    lesson.listShown = stored.choices.listShown;
    lesson.markerText = stored.choices.markerText;
    lesson.colour = stored.choices.colour;
    lesson.tool = stored.choices.tool;
    lesson.wiped = sheet.wiped;
    snapshot.board = view::copyBoard(c_.picGraph->drawing(), sheet.boardStart);
    return snapshot;
}

lesson::Lesson LessonDocument::collect() const { return view::completeLesson(snapshot()); }

void LessonDocument::apply(const lesson::Lesson& lesson) {
    history_.push(std::make_unique<OpenLessonCommand>(LessonWindow{history_, c_, tools_}, lesson));
}

// The window as it is now is what the file holds: no copy is needed any more.
void LessonDocument::markSaved(const QString& absolutePath) {
    stack_.setClean();
    saved_ = storedChoices();
    if (path_ != absolutePath) {
        path_ = absolutePath;
        emit pathChanged(path_);
    }
    noteChange();
    recovery_.writeNow();
}

QString LessonDocument::open(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const lesson::LessonOrError read = lesson::readLessonFile(absolute);
    if (const auto* reason = std::get_if<QString>(&read)) return *reason;
    apply(std::get<lesson::Lesson>(read));
    markSaved(absolute);
    return {};
}

// The lesson is taken from the window once and written as it is; a board too
// large to open again is not written at all, so that an earlier file of
// that name stays as it was.
QString LessonDocument::saveTo(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const lesson::LessonBytesOrError bytes = lesson::writeReopenableLesson(collect());
    if (const auto* refused = std::get_if<QString>(&bytes)) return *refused;
    const QString reason = writeFileSafely(absolute, std::get<QByteArray>(bytes));
    if (!reason.isEmpty()) return reason;
    markSaved(absolute);
    return {};
}

bool LessonDocument::offerRecovery(const std::function<bool()>& restore) {
    RecoveryCopies& copies = recovery_.copies();
    const std::vector<RecoveryCopies::Orphan> orphans = copies.claimOrphans();
    if (orphans.empty()) return false;
    // Older copies are offered at later starts, one at a time.
    for (std::size_t older = 1; older < orphans.size(); ++older) copies.leaveOrphan(orphans[older].path);
    const QString newest = orphans.front().path;
    const lesson::LessonOrError read = lesson::readLessonFile(newest);
    if (const auto* reason = std::get_if<QString>(&read)) {
        qWarning("velnorit: Sicherungskopie %s verworfen: %s", qUtf8Printable(newest), qUtf8Printable(*reason));
        copies.dropOrphan(newest);
        return false;
    }
    if (!restore()) {
        copies.dropOrphan(newest);
        return false;
    }
    // Unsaved, as it was when the program ended: the copy passes to this
    // window before the old one goes.
    apply(std::get<lesson::Lesson>(read));
    recovery_.writeNow();
    copies.dropOrphan(newest);
    return true;
}

} // namespace velnorit::shell
