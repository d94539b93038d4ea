#include "session.h"

#include "permanence_folder.h"
#include "scripted_message_box.h"
#include "scripted_printer.h"
#include "ui/dir_list.h"

#include <QCoreApplication>
#include <QDir>

Session::Session(std::uint64_t seed, const PermanenceFolder& permanences)
    : form(Form1::Options{seed}), folder(permanences) {
    auto box = std::make_unique<ScriptedMessageBox>();
    messages = box.get();
    form.setMessageBox(std::move(box));
    auto pages = std::make_unique<ScriptedPrinter>(folder.pdfFolder());
    printer = pages.get();
    form.setPrinter(std::move(pages));
    form.setQuit([this] { ++quitCalls; });
    // Every other window finds the info file; the rest show the problem text.
    infoFile = seed % 2 == 0;
    form.setProgramDirectory(infoFile ? folder.withInfo() : folder.withoutInfo());
    // The user has browsed to the permanence files before.
    form.Dir1->setPath(folder.root());
    form.show();
    QCoreApplication::processEvents();
}

Session::~Session() = default;
