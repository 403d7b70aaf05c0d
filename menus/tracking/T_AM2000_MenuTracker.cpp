#include "T_AM2000_MenuTracker.h"

#include "TCustomPopupMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChain.h"
#include "T_AM2000_MenuChooser.h"
#include "T_AM2000_MenuInputFilter.h"
#include "T_AM2000_MenuKeyboard.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuPointer.h"
#include "T_AM2000_SelectionFade.h"
#include "T_AM2000_WindowPool.h"

#include <QCoreApplication>

using Form = TCustomPopupMenu2000Form;

// Belongs to the application, so that it goes with it at exit.
T_AM2000_MenuTracker& T_AM2000_MenuTracker::Instance()
{
    static QPointer<T_AM2000_MenuTracker> instance;
    if (!instance) {
        instance = new T_AM2000_MenuTracker();
        instance->setParent(QCoreApplication::instance());
    }
    return *instance;
}

T_AM2000_MenuTracker::T_AM2000_MenuTracker()
    : m_bars(std::make_unique<T_AM2000_MenuBarList>())
    , m_chain(std::make_unique<T_AM2000_MenuChain>())
    , m_opener(std::make_unique<T_AM2000_MenuOpener>())
    , m_navigator(std::make_unique<T_AM2000_MenuNavigator>(*m_chain, *m_opener, *m_bars))
    , m_chooser(std::make_unique<T_AM2000_MenuChooser>(*m_navigator))
    , m_pointer(std::make_unique<T_AM2000_MenuPointer>(*m_chain, *m_navigator, *m_chooser, *m_bars))
    , m_keyboard(std::make_unique<T_AM2000_MenuKeyboard>(*m_navigator, *m_chooser, *m_bars))
    , m_filter(std::make_unique<T_AM2000_MenuInputFilter>(T_AM2000_MenuInputFilter::Parts{
          *m_chain, *m_navigator, *m_chooser, *m_pointer, *m_keyboard, *m_bars}))
{
    m_chain->SetHandlers({[this](const Form* window) { m_chooser->EndEditing(window); },
                          [this] { m_navigator->CloseAllMenus(true); }});
    QCoreApplication::instance()->installEventFilter(m_filter.get());
    // A command that quits the program may leave its entry fading: the picture's window
    // goes before the application does, as it would after its last step. So do the
    // windows kept for the menus.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        delete m_chooser->SelectionFade();
        m_opener->Pool().Clear();
    });
}

T_AM2000_MenuTracker::~T_AM2000_MenuTracker() = default;

Form* T_AM2000_MenuTracker::Open(TCustomPopupMenu2000& menu, TMenuItem2000& item, bool contextMenu)
{
    m_navigator->CloseAllMenus(false);
    m_pointer->SetHotTracking(false);
    Form* window = menu.OpenDropDown(item, contextMenu);
    m_chain->Adopt(*window, item);
    return window;
}

Form* T_AM2000_MenuTracker::Popup(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                  QPoint screenPosition)
{
    Form* window = Open(menu, item);
    m_opener->ShowAt(*window, screenPosition);
    return window;
}

Form* T_AM2000_MenuTracker::PopupAnimated(TCustomPopupMenu2000& menu, TMenuItem2000& holder,
                                          QPoint cursor)
{
    Form* window = Open(menu, holder, true);
    if (window->Entries().empty()) {
        m_navigator->CloseAllMenus(false);
        return nullptr;
    }
    m_opener->ShowPopup(*window, cursor);
    return window;
}

TCustomPopupMenu2000* T_AM2000_MenuTracker::CurrentMenu() const
{
    return m_chain->CurrentMenu();
}

Form* T_AM2000_MenuTracker::TopWindow() const
{
    return m_chain->TopWindow();
}

Form* T_AM2000_MenuTracker::DeepestWindow() const
{
    return m_chain->DeepestWindow();
}

void T_AM2000_MenuTracker::CloseAllMenus(bool resetBars)
{
    m_navigator->CloseAllMenus(resetBars);
}
