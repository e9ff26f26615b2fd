#include "qt/modal_closer.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "platform/qt/qt_window.h"
#include "platform/qt/qt_window_system.h"

namespace qt_testing {

ModalCloser::ModalCloser(platform::qt::QtWindowSystem& windows, int limitMs) : limitMs_(limitMs) {
    connect(&windows, &platform::qt::QtWindowSystem::modalOpened, this, &ModalCloser::opened);
}

void ModalCloser::opened(QDialog* box) {
    SeenBox seen;
    seen.title = box->windowTitle();
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
        seen.kind = QStringLiteral("message");
        seen.text = message->text();
        seen.icon = message->icon();
        seen.buttons = static_cast<int>(message->standardButtons());
    } else if (auto* chooser = qobject_cast<QFileDialog*>(box)) {
        seen.kind = QStringLiteral("file");
        seen.filters = chooser->nameFilters();
    } else {
        seen.kind = QStringLiteral("dialog");
        QList<QLabel*> labels = box->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        std::stable_sort(labels.begin(), labels.end(),
                         [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        for (QLabel* label : labels)
            if (!label->text().isEmpty()) seen.labels << label->text();
    }
    seen_.push_back(seen);

    // Poll from inside the box's own loop until it may be answered.
    auto* poll = new QTimer(box);
    QDeadlineTimer deadline(limitMs_);
    connect(poll, &QTimer::timeout, box, [this, box, deadline] {
        if (!box->isVisible()) return;
        bool ready = !ready_ || ready_();
        if (!ready && !deadline.hasExpired()) return;
        lastReady_ = ready;
        answer(box);
        // A box that would not take the answer is shut all the same once time is up.
        if (box->isVisible() && deadline.hasExpired()) box->done(QDialog::Rejected);
    });
    poll->start(5);
}

void ModalCloser::answer(QDialog* box) {
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
        if (QAbstractButton* ok = message->button(QMessageBox::Ok)) {
            ok->click();
            return;
        }
        message->done(QMessageBox::Ok);
    } else if (auto* chooser = qobject_cast<QFileDialog*>(box)) {
        QString path = files_.isEmpty() ? QString() : files_.takeFirst();
        if (path.isEmpty()) {
            chooser->reject();
        } else {
            // As a user would: go to the folder, type the name, press Open.
            QFileInfo info(path);
            chooser->setDirectory(info.absolutePath());
            if (auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(info.fileName());
            static_cast<QDialog*>(chooser)->accept();  // QFileDialog hides it
        }
    } else {
        box->close();
    }
}

}  // namespace qt_testing
