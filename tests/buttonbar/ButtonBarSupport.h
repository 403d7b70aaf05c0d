#pragma once

#include "TForm.h"
#include "TTickCount.h"
#include "TabcBarBtn.h"
#include "TabcButtonBar.h"
#include "TabcButtonPage.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

namespace buttonbartest {

// A shown form with a bar of pages named Page1, Page2...; the first page is open.
class BarForm {
public:
    explicit BarForm(int pages, int height = 300)
    {
        form->SetBounds(10, 10, 300, height + 20);
        bar = new TabcButtonBar(form.get());
        bar->SetName(QStringLiteral("Bar"));
        bar->SetParent(form.get());
        bar->SetBounds(0, 0, 160, height);
        for (int i = 0; i < pages; ++i)
            AddPage(QStringLiteral("Page%1").arg(i + 1));
        form->Show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        (void)QTest::qWaitForWindowActive(form.get(), 1000);
    }
    TabcButtonPage* AddPage(const QString& name)
    {
        auto* page = new TabcButtonPage(form.get());
        page->SetName(name);
        page->SetCaption(name);
        page->SetButtonBar(bar);
        return page;
    }
    TabcButtonPage* Page(int index) const { return bar->Pages()[size_t(index)]; }
    TabcBarBtn* Button(int index) const { return bar->Buttons()[size_t(index)]; }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TabcButtonBar* bar = nullptr;
};

// A tick count that tests move by hand; restores the machine's clock when it goes.
class ManualClock {
public:
    ManualClock()
        : m_previous(TTickCount::SetSource([this] { return m_now; }))
    {}
    ~ManualClock() { TTickCount::SetSource(m_previous); }
    void Advance(qint64 milliseconds) { m_now += milliseconds; }

private:
    qint64 m_now = 1000;
    TTickCount::Source m_previous;
};

} // namespace buttonbartest
