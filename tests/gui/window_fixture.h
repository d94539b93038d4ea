#pragma once

#include "app/form1.h"
#include "scripted_message_box.h"

#include <gtest/gtest.h>

#include <memory>

// A fresh window per test, its message boxes answered by a script and its
// quit recorded instead of ending the test program.
class WindowTest : public testing::Test {
  protected:
    WindowTest() {
        auto box = std::make_unique<ScriptedMessageBox>();
        messages = box.get();
        form.setMessageBox(std::move(box));
        form.setQuit([this] { ++quitCalls; });
    }

    Form1 form{Form1::Options{42}};
    ScriptedMessageBox* messages;
    int quitCalls = 0;
};
