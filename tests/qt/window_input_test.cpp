#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "qt/artifacts.h"
#include "qt/modal_closer.h"
#include "qt/qt_dialog_fixture.h"
#include "res/resource.h"

namespace {

using qt_testing::ModalCloser;
using qt_testing::QtDialogFixture;

QStringList menuTexts(const platform::qt::QtWindow& w) {
    QStringList texts;
    for (QAction* a : w.contextActions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QAction* menuItem(const platform::qt::QtWindow& w, const QString& text) {
    for (QAction* a : w.contextActions())
        if (a->text() == text) return a;
    return nullptr;
}

TEST(MainWindowKeys, EnterAndEscapeNeverCloseTheWindowWhereverTheFocusIs) {
    QtDialogFixture f;
    f.start();
    platform::qt::QtWindow& w = f.window();
    ModalCloser closer(f.windows);
    QWidget* browse = w.control(IDC_BROWSE);
    browse->setFocus();
    for (QWidget* target : {static_cast<QWidget*>(&w), browse}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
            EXPECT_FALSE(w.ended()) << key;
            EXPECT_TRUE(w.isVisible()) << key;
        }
    }
    // Enter on the focused Browse button did not press it either.
    EXPECT_TRUE(closer.seen().empty());
    // Space still presses a focused button, as in any dialog.
    QTest::keyClick(browse, Qt::Key_Space);
    ASSERT_EQ(closer.seen().size(), 1u);
    EXPECT_EQ(closer.seen()[0].kind, "file");
}

TEST(MainWindowKeys, TheCloseBoxEndsTheDialogWithCancel) {
    QtDialogFixture f;
    f.start();
    f.window().close();
    EXPECT_TRUE(f.window().ended());
    EXPECT_EQ(f.window().endResult(), platform::kIdCancel);
    EXPECT_FALSE(f.window().isVisible());
}

TEST(MainWindowMenu, CarriesAboutAndHelpFromTheStringTable) {
    QtDialogFixture f;
    f.start();
    EXPECT_EQ(menuTexts(f.window()), QStringList({"-", "About Corvel_R010_1.exe...", "-", "Help"}));
}

TEST(MainWindowMenu, WithoutTheAboutStringHasNeitherItemAndF1DoesNothing) {
    QtDialogFixture f;
    f.resources.setString(IDS_ABOUTBOX, "");
    f.start();
    ModalCloser closer(f.windows);
    EXPECT_TRUE(f.window().contextActions().isEmpty());
    QTest::keyClick(&f.window(), Qt::Key_F1);
    EXPECT_TRUE(closer.seen().empty());
}

TEST(MainWindowMenu, FrontEndItemsFollowTheDialogsOwnAndRunTheirCallbacks) {
    QtDialogFixture f;
    int unplugged = 0;
    f.windows.addContextAction("Unplug", [&] { ++unplugged; });
    f.windows.addContextAction("Plug in", [] {});
    f.start();
    EXPECT_EQ(menuTexts(f.window()), QStringList({"-", "About Corvel_R010_1.exe...", "-", "Help",
                                                  "-", "Unplug", "Plug in"}));
    menuItem(f.window(), "Unplug")->trigger();
    EXPECT_EQ(unplugged, 1);
}

const QStringList kAboutLabels = {"Corvel_R010, Version 001", "Copyright (C) 2026"};
const QStringList kHelpLabels = {
    "Update Product Firmware Steps", "Step 1: Connect the product to PC",
    "Step 2: Check Tool Show \"Ready\"",
    QString::fromUtf8("Step 3: Click \u201CUpdate F/W\"  button"),
    QString::fromUtf8("Step 4: Finish when \u201CPASS\" word is display in update tool (If "
                      "\u201CFAIL\" word display in update tool, please try again above steps.)")};

TEST(MainWindowMenu, AboutAndHelpShowTheirExactTextsAndClose) {
    struct Case {
        const char* how;
        std::function<void(platform::qt::QtWindow&)> open;
        QString title;
        QStringList labels;
    };
    const Case cases[] = {
        {"about", [](auto& w) { menuItem(w, "About Corvel_R010_1.exe...")->trigger(); },
         "About Corvel_R010_1.exe", kAboutLabels},
        {"help", [](auto& w) { menuItem(w, "Help")->trigger(); }, "Help", kHelpLabels},
        {"F1", [](auto& w) { QTest::keyClick(&w, Qt::Key_F1); }, "Help", kHelpLabels},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        QtDialogFixture f;
        f.start();
        ModalCloser closer(f.windows);
        QObject context;
        QObject::connect(&f.windows, &platform::qt::QtWindowSystem::modalOpened, &context,
                         [&](QDialog* box) {
                             box->show();
                             qt_testing::saveScreenshot(*box, QString::fromLatin1(c.how));
                         });
        c.open(f.window());  // returns once the closer has closed the box
        ASSERT_EQ(closer.seen().size(), 1u);
        EXPECT_EQ(closer.seen()[0].kind, "dialog");
        EXPECT_EQ(closer.seen()[0].title, c.title);
        EXPECT_EQ(closer.seen()[0].labels, c.labels);
        EXPECT_FALSE(f.window().ended());
    }
}

TEST(MainWindowMenu, AboutClosesWithItsOkButtonAndEnter) {
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        QtDialogFixture f;
        f.start();
        bool closedByKey = false;
        QObject context;
        QObject::connect(
            &f.windows, &platform::qt::QtWindowSystem::modalOpened, &context, [&](QDialog* box) {
                // Pressed from inside the box's loop; a box still open after
                // this is closed by the closer below.
                QTimer::singleShot(0, box, [&, box, key] {
                    auto* ok = box->findChild<QPushButton*>();
                    if (key == Qt::Key_Space && ok) ok->setFocus();
                    QTest::keyClick(key == Qt::Key_Space ? static_cast<QWidget*>(ok) : box, key);
                    closedByKey = !box->isVisible();
                });
            });
        ModalCloser closer(f.windows, 2000);
        closer.setReady([] { return false; });
        menuItem(f.window(), "About Corvel_R010_1.exe...")->trigger();
        EXPECT_TRUE(closedByKey) << key;
    }
}

}  // namespace
