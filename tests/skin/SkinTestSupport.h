#pragma once

#include "TApplication.h"
#include "TForm.h"
#include "TPanel.h"

#include <QCoreApplication>
#include <QEvent>

// Helpers shared by the skinned window tests.
namespace skintest {

// Lets windows released with deleteLater go.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A stand-in main window whose working area "Client" lies inside "palClient" at the
// given stored position.
struct StandInMainWindow {
    explicit StandInMainWindow(int clientLeft, int clientWidth = 651)
    {
        form.SetBounds(100, 50, 819, 522);
        auto* frame = new TPanel(&form);
        frame->SetName(QStringLiteral("palClient"));
        frame->SetParent(&form);
        frame->SetBounds(4, 46, 811, 469);
        auto* client = new TPanel(&form);
        client->SetName(QStringLiteral("Client"));
        client->SetParent(frame);
        client->SetBounds(clientLeft, 47, clientWidth, 403);
        Application->SetMainForm(&form);
    }
    ~StandInMainWindow() { Application->SetMainForm(nullptr); }
    TForm form{nullptr};
};

} // namespace skintest
