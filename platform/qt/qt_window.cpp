#include "platform/qt/qt_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "platform/cdialog.h"
#include "platform/qt/banner_button.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/file_filter.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_window_system.h"
#include "res/resource.h"

namespace platform::qt {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The widgets show "\n" where the dialog's text has "\r\n".
QString toDisplay(const std::string& text) {
    return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string fromDisplay(const QString& text) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return crlf.toStdString();
}

Qt::WindowFlags flagsFor(std::uint32_t style) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if ((style & kCaption) != 0) flags |= Qt::WindowTitleHint;
    if ((style & kSysMenu) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((style & kMinimizeBox) != 0) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

QtWindow::QtWindow(QtWindowSystem& system, CDialog& dialog, const DialogTemplate& tmpl,
                   QWidget* parent)
    : QDialog(parent), system_(system), dialog_(dialog), tmpl_(tmpl) {
    setWindowFlags(flagsFor(tmpl.style));
    setWindowTitle(qs(tmpl.title));
    setFixedSize(dluToPxX(tmpl.width), dluToPxY(tmpl.height));
    installEventFilter(this);
    buildControls();
    if (parent == nullptr) addExtraActions();
}

QtWindow::~QtWindow() = default;

void QtWindow::buildControls() {
    for (const ControlTemplate& c : tmpl_.controls) {
        QWidget* widget = createControlWidget(c, this);
        widget->installEventFilter(this);
        if (c.id < 0) continue;
        const int id = c.id;
        controls_[id] = Control{&c, widget, std::string(c.caption)};
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] {
                dispatch({MessageKind::Command, id});
            });
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            connect(edit, &QPlainTextEdit::textChanged, this, [this, id, edit] {
                if (!settingText_) controls_[id].text = fromDisplay(edit->toPlainText());
            });
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            connect(line, &QLineEdit::textEdited, this,
                    [this, id](const QString& t) { controls_[id].text = t.toStdString(); });
        }
    }
}

void QtWindow::addExtraActions() {
    const auto& extras = system_.contextActions();
    if (extras.empty()) return;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    extras_.push_back(separator);
    for (const ContextAction& extra : extras) {
        auto* action = new QAction(qs(extra.text), this);
        connect(action, &QAction::triggered, this, [run = extra.run] { run(); });
        extras_.push_back(action);
    }
}

QtWindow::Control* QtWindow::find(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const QtWindow::Control* QtWindow::find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

QWidget* QtWindow::control(int id) const {
    const Control* c = find(id);
    return c ? c->widget : nullptr;
}

QList<QAction*> QtWindow::contextActions() const {
    QList<QAction*> actions(menu_.begin(), menu_.end());
    actions.append(QList<QAction*>(extras_.begin(), extras_.end()));
    return actions;
}

void QtWindow::dispatch(const Message& message) {
    if (!ended()) dialog_.Dispatch(message);
}

std::string QtWindow::text(int id) const {
    const Control* c = find(id);
    return c ? c->text : std::string();
}

void QtWindow::setText(int id, const std::string& text) {
    Control* c = find(id);
    if (c == nullptr) return;
    c->text = text;
    settingText_ = true;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget)) {
        edit->setPlainText(toDisplay(text));
    } else if (auto* line = qobject_cast<QLineEdit*>(c->widget)) {
        line->setText(toDisplay(text));
    } else if (auto* label = qobject_cast<QLabel*>(c->widget)) {
        label->setText(toDisplay(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) {
        button->setText(toDisplay(text));
    }
    settingText_ = false;
}

void QtWindow::enable(int id, bool enabled) {
    if (Control* c = find(id)) c->widget->setEnabled(enabled);
}

bool QtWindow::isEnabled(int id) const {
    const Control* c = find(id);
    return c && c->widget->isEnabled();
}

void QtWindow::setBitmap(int id, int bitmapId) {
    Control* c = find(id);
    auto* banner = c ? qobject_cast<BannerButton*>(c->widget) : nullptr;
    if (banner == nullptr) return;
    banner->setPicture(bitmapId, bannerPicture(bitmapId));
    banner->update();
}

void QtWindow::setRange(int id, int low, int high) {
    Control* c = find(id);
    auto* bar = c ? qobject_cast<QProgressBar*>(c->widget) : nullptr;
    if (bar == nullptr) return;
    // The bar keeps its position, brought within the new range.
    int keep = std::clamp(bar->value(), low, std::max(low, high));
    bar->setRange(low, high);
    bar->setValue(keep);
}

void QtWindow::setPos(int id, int pos) {
    Control* c = find(id);
    auto* bar = c ? qobject_cast<QProgressBar*>(c->widget) : nullptr;
    if (bar == nullptr) return;
    bar->setValue(std::clamp(pos, bar->minimum(), bar->maximum()));
}

int QtWindow::pos(int id) const {
    const Control* c = find(id);
    auto* bar = c ? qobject_cast<QProgressBar*>(c->widget) : nullptr;
    return bar ? bar->value() : 0;
}

int QtWindow::lineCount(int id) const {
    const Control* c = find(id);
    if (c == nullptr) return 0;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(c->widget)) return edit->blockCount();
    return 1;
}

void QtWindow::lineScroll(int id, int lines) {
    Control* c = find(id);
    auto* edit = c ? qobject_cast<QPlainTextEdit*>(c->widget) : nullptr;
    if (edit == nullptr) return;
    // The vertical scroll bar of a plain text edit counts lines.
    QScrollBar* bar = edit->verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

void QtWindow::invalidate(int id, bool /*erase*/) {
    if (id == 0) {
        update();
    } else if (Control* c = find(id)) {
        c->widget->update();
    }
}

void QtWindow::redrawNow() {
    repaint();
}

void QtWindow::setWindowPos(int x, int y, int width, int height) {
    move(x, y);
    setFixedSize(std::max(0, width - kFrameWidth), std::max(0, height - kFrameHeight));
}

bool QtWindow::hasSystemMenu() const {
    return (tmpl_.style & kSysMenu) != 0;
}

void QtWindow::appendMenuSeparator() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    menu_.push_back(separator);
}

void QtWindow::appendMenuItem(int command, const std::string& text) {
    auto* action = new QAction(qs(text), this);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] {
        dispatch({MessageKind::SysCommand, command});
    });
    menu_.push_back(action);
}

void QtWindow::setIcon(int iconId, bool /*big*/) {
    if (iconId == IDR_MAINFRAME) setWindowIcon(applicationIcon());
}

void QtWindow::eraseIconBackground() {
    if (painter_ != nullptr) painter_->fillRect(rect(), palette().window());
}

void QtWindow::drawIcon(int x, int y, int iconId) {
    if (painter_ != nullptr && iconId == IDR_MAINFRAME)
        painter_->drawPixmap(x, y, applicationIcon().pixmap(32, 32));
}

int QtWindow::setTimer(int id, int periodMs) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        // The tick is handed on through the queue: a Qt timer does not fire again while its
        // own handler runs, and a tick handler may open a box whose loop must go on ticking.
        connect(timer, &QTimer::timeout, this, [this, id] {
            QMetaObject::invokeMethod(
                this,
                [this, id] {
                    dispatch({MessageKind::Timer, id});
                },
                Qt::QueuedConnection);
        });
    }
    timer->start(system_.timerPeriod(periodMs));
    return id;
}

void QtWindow::postCommand(int controlId) {
    // Queued, so it runs from the event loop like a posted message; the window is its
    // context, so a command posted to a window that has gone is dropped.
    QMetaObject::invokeMethod(
        this,
        [this, controlId] {
            dispatch({MessageKind::Command, controlId});
        },
        Qt::QueuedConnection);
}

void QtWindow::messageBox(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, qs(system_.applicationTitle()), toDisplay(text),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    system_.aboutToRunModal(box);
    box.exec();
}

std::optional<std::string> QtWindow::fileOpen(const FileDialogSpec& spec) {
    QFileDialog chooser(this, tr("Open"));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const std::string& f : nameFilters(spec.filter)) filters << qs(f);
    if (!filters.isEmpty()) chooser.setNameFilters(filters);
    system_.aboutToRunModal(chooser);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(chooser.selectedFiles().front()).toStdString();
}

void QtWindow::endDialog(int result) {
    if (result_) return;
    result_ = result;
    for (auto& [id, timer] : timers_) timer->stop();
    done(result);
}

void QtWindow::reject() {
    // The close box: a Cancel command, which the dialog may or may not end on.
    dispatch({MessageKind::Command, kIdCancel});
}

bool QtWindow::handleKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            dispatch({MessageKind::KeyDown, kKeyReturn});
            return true;
        case Qt::Key_Escape:
            dispatch({MessageKind::KeyDown, kKeyEscape});
            return true;
        case Qt::Key_F1:
            // Help, when the dialog put it on its menu.
            for (QAction* action : menu_) {
                if (action->data().toInt() == IDM_HELP && !action->isSeparator()) {
                    action->trigger();
                    return true;
                }
            }
            return false;
        default:
            return false;
    }
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    // Every key press in the window passes here before any control sees it, as messages
    // pass the dialog's PreTranslateMessage.
    if (event->type() == QEvent::KeyPress) return handleKey(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

void QtWindow::contextMenuEvent(QContextMenuEvent* event) {
    QList<QAction*> actions = contextActions();
    if (actions.isEmpty()) return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(event->globalPos());
}

void QtWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter_ = &painter;
    dispatch({MessageKind::Paint, 0});
    painter_ = nullptr;
}

}  // namespace platform::qt
