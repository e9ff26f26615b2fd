#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "qt/qt_dialog_fixture.h"
#include "res/resource.h"

namespace {

QPlainTextEdit* logWidget(qt_testing::QtDialogFixture& f) {
    return qobject_cast<QPlainTextEdit*>(f.window().control(IDC_LOG));
}

TEST(LogEdit, KeepsTheExactTextAndShowsItLineByLine) {
    qt_testing::QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    dlg.OnClear();
    EXPECT_EQ(f.window().text(IDC_LOG), "");
    dlg.LogAppend("abc");
    dlg.LogAppend("");
    dlg.LogAppend("def");
    EXPECT_EQ(f.window().text(IDC_LOG), "abc\r\n\r\ndef\r\n");
    EXPECT_EQ(logWidget(f)->toPlainText(), "abc\n\ndef\n");
    EXPECT_EQ(dlg.m_LogEdit.GetLineCount(), 4);
}

TEST(LogEdit, AppendingBringsTheLastLineIntoView) {
    qt_testing::QtDialogFixture f;
    CQuillPCISPDlg& dlg = f.start();
    for (int i = 0; i < 60; ++i) dlg.LogAppend("line " + std::to_string(i));
    QScrollBar* bar = logWidget(f)->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTextCursor last(logWidget(f)->document()->findBlockByNumber(60));
    EXPECT_TRUE(logWidget(f)->viewport()->rect().contains(logWidget(f)->cursorRect(last)));
}

}  // namespace
