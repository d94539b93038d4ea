#include "window_fixture.h"

#include "ui/text_box.h"

#include <QPushButton>

namespace {

// The window's blue text must not hide which controls are locked.
TEST_F(WindowTest, LockedControlsShowGreyedText) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{form.okfigsetz, form.okstart, form.textanzahl}) {
        const QPalette& p = control->palette();
        for (auto role : {QPalette::ButtonText, QPalette::Text}) {
            EXPECT_NE(p.color(QPalette::Disabled, role), p.color(QPalette::Active, role))
                << control->objectName().toStdString();
        }
    }
}

} // namespace
