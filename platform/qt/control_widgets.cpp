#include "platform/qt/control_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "platform/qt/banner_button.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/pictures.h"

namespace platform::qt {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* createStatic(const ControlTemplate& c, QWidget* parent) {
    auto* label = new QLabel(qs(c.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* createIcon(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(applicationIcon().pixmap(32, 32));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* createEdit(const ControlTemplate& c, QWidget* parent) {
    bool readOnly = (c.style & kReadOnly) != 0;
    bool border = (c.style & kBorder) != 0;
    if ((c.style & kMultiLine) != 0) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(readOnly);
        edit->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setLineWrapMode((c.style & kAutoHScroll) != 0 ? QPlainTextEdit::NoWrap
                                                            : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy((c.style & kVScroll) != 0 ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setPlainText(qs(c.caption));
        return edit;
    }
    auto* edit = new QLineEdit(qs(c.caption), parent);
    edit->setReadOnly(readOnly);
    edit->setFrame(border);
    return edit;
}

QWidget* createButton(const ControlTemplate& c, QWidget* parent) {
    auto* button = new QPushButton(qs(c.caption), parent);
    button->setAutoDefault(false);
    button->setDefault((c.style & kDefaultButton) != 0);
    return button;
}

QWidget* createBanner(const ControlTemplate& c, QWidget* parent) {
    auto* banner = new BannerButton(parent);
    banner->setText(qs(c.caption));
    return banner;
}

QWidget* createProgress(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

}  // namespace

QWidget* createControlWidget(const ControlTemplate& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.cls) {
        case ControlClass::Static:
            widget = createStatic(control, parent);
            break;
        case ControlClass::Icon:
            widget = createIcon(parent);
            break;
        case ControlClass::Edit:
            widget = createEdit(control, parent);
            break;
        case ControlClass::Button:
            widget = createButton(control, parent);
            break;
        case ControlClass::OwnerDrawButton:
            widget = createBanner(control, parent);
            break;
        case ControlClass::ProgressBar:
            widget = createProgress(parent);
            break;
    }
    PixelRect r = toPixels(control.rect);
    widget->setGeometry(r.x, r.y, r.width, r.height);
    widget->setHidden((control.style & kHidden) != 0);
    widget->setEnabled((control.style & kDisabled) == 0);
    return widget;
}

}  // namespace platform::qt
