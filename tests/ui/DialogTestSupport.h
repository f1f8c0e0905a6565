// A main dialog on the offscreen platform, started from a fresh colour state.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "color/ColorState.h"
#include "platform/Brush.h"
#include "ui/ColorPickerDialog.h"
#include "ui/CtlColorCache.h"

namespace tonik {

class DialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        colorState = ColorState();
        brushesBefore = Brush::LiveCount();
    }
    void TearDown() override
    {
        dialogHolder.reset();
        EXPECT_EQ(Brush::LiveCount(), brushesBefore);
    }
    ColorPickerDialog& Open()
    {
        dialogHolder = std::make_unique<ColorPickerDialog>();
        dialogHolder->Create();
        dialogHolder->move(0, 0);
        dialogHolder->show();
        QApplication::processEvents();
        return *dialogHolder;
    }
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    static std::string Text(QLineEdit* edit) { return edit->text().toStdString(); }
    // Replaces a field's text as a user would: select all, then type.
    static void Type(QLineEdit* edit, const char* text)
    {
        edit->setFocus();
        edit->selectAll();
        if (*text == '\0')
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    const CtlColorEntry* Entry(int id)
    {
        CtlColorEntry* entry = nullptr;
        dialogHolder->cache.Find(id, &entry);
        return entry;
    }

    std::unique_ptr<ColorPickerDialog> dialogHolder;
    int brushesBefore = 0;
};

}  // namespace tonik
