#include "TForm.h"

#include "TApplication.h"
#include "TClassInfo.h"
#include "TErrorReport.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TWindowTracker.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>

namespace {

QString LayoutResource(const TClassInfo& info)
{
    return QStringLiteral(":/layouts/%1.layout").arg(info.Name());
}

bool HasLayout(const TClassInfo& info)
{
    return QFile::exists(LayoutResource(info));
}

// The form classes from the first one below TForm down to info.
std::vector<const TClassInfo*> FormClassChain(const TClassInfo& info)
{
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = &info; c && c != &TForm::StaticClassInfo(); c = c->Parent())
        chain.insert(chain.begin(), c);
    return chain;
}

Qt::Edges EdgesOfSizeCommand(unsigned command)
{
    switch (SizeEdgeOf(command)) {
    case WMSZ_LEFT:
        return Qt::LeftEdge;
    case WMSZ_RIGHT:
        return Qt::RightEdge;
    case WMSZ_TOP:
        return Qt::TopEdge;
    case WMSZ_TOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case WMSZ_TOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case WMSZ_BOTTOM:
        return Qt::BottomEdge;
    case WMSZ_BOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case WMSZ_BOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

} // namespace

const TClassInfo& TForm::StaticClassInfo()
{
    static const TClassInfo info("TForm", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TForm>();
        c.Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
                   TBorderStyle::bsSizeable);
        c.Property("Caption", &TForm::Caption, &TForm::SetCaption, QString());
        c.Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight, 0);
        c.Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth, 0);
        c.Property("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview, false);
        c.Property("Position", &TForm::Position, &TForm::SetPosition, TPosition::poDesigned);
        c.Property("WindowState", &TForm::WindowState, &TForm::SetWindowState,
                   TWindowState::wsNormal);
        c.Event("OnClose", &TForm::OnClose);
        c.Event("OnCreate", &TForm::OnCreate);
        c.Event("OnDestroy", &TForm::OnDestroy);
        c.Event("OnHide", &TForm::OnHide);
        c.Event("OnShow", &TForm::OnShow);
    });
    return info;
}

TForm::TForm(TComponent* owner)
    : TWinControl(owner)
{
    SetVisible(false);
    ApplyWindowFlags();
}

TForm::~TForm()
{
    TErrorReport::Guard([&] { OnDestroy(this); });
    if (Application && Application->MainForm() == this)
        Application->SetMainForm(nullptr);
}

void TForm::LoadLayouts()
{
    DisableAlign();
    for (const TClassInfo* info : FormClassChain(ClassInfo())) {
        if (!HasLayout(*info))
            continue;
        QFile file(LayoutResource(*info));
        if (!file.open(QIODevice::ReadOnly))
            throw ELayoutError(QStringLiteral("cannot read the layout of %1").arg(info->Name()));
        TLayoutLoader(this, info->Name() + QStringLiteral(".layout"))
            .Apply(QString::fromUtf8(file.readAll()));
    }
    BindFields();
    EnableAlign();
}

// Every published field gets the component of its name; a missing component or one of
// another class is an error of the form's layouts.
void TForm::BindFields()
{
    for (const TFieldInfo* field : ClassInfo().AllFields()) {
        TComponent* component = FindComponent(field->name);
        if (!component || !field->bind(this, component))
            throw ELayoutError(QStringLiteral("the layouts of %1 give no suitable component %2")
                                   .arg(ClassInfo().Name(), field->name));
    }
}

void TForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove || component->Owner() != this)
        return;
    for (const TFieldInfo* field : ClassInfo().AllFields()) {
        if (field->get(this) == component)
            field->bind(this, nullptr);
    }
}

QString TForm::WriteLayout() const
{
    const std::unique_ptr<TForm> ancestor = CreateAncestor();
    return TLayoutWriter::Write(this, ancestor.get());
}

std::unique_ptr<TForm> TForm::CreateAncestor() const
{
    const TClassInfo* parent = ClassInfo().Parent();
    if (!parent || !parent->CanCreate() || !parent->InheritsFrom(TForm::StaticClassInfo()))
        return nullptr;
    const auto chain = FormClassChain(*parent);
    if (std::none_of(chain.begin(), chain.end(), [](auto* c) { return HasLayout(*c); }))
        return nullptr;
    std::unique_ptr<TForm> ancestor(static_cast<TForm*>(parent->Create(nullptr)));
    ancestor->LoadLayouts();
    return ancestor;
}

void TForm::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    ApplyWindowFlags();
}

TWindowState TForm::WindowState() const
{
    if (isMinimized())
        return TWindowState::wsMinimized;
    if (isMaximized())
        return TWindowState::wsMaximized;
    return isVisible() ? TWindowState::wsNormal : m_windowState;
}

void TForm::SetWindowState(TWindowState state)
{
    m_windowState = state;
    if (!isVisible())
        return;
    switch (state) {
    case TWindowState::wsNormal:
        showNormal();
        break;
    case TWindowState::wsMinimized:
        showMinimized();
        break;
    case TWindowState::wsMaximized:
        showMaximized();
        break;
    }
}

void TForm::Close()
{
    if (IsModal()) {
        m_modalResult = mrCancel;
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caFree:
        Release();
        break;
    case TCloseAction::caMinimize:
        showMinimized();
        break;
    default:
        Hide();
        break;
    }
}

// The modal loop: events are handled until a handler sets a modal result and OnClose
// lets the window go (caNone keeps it open).
TModalResult TForm::ShowModal()
{
    if (Visible() || !Enabled())
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    m_modalResult = mrNone;
    ++m_modalLevel;
    setWindowModality(Qt::ApplicationModal);
    BelongToMainWindow();
    Show();
    TCloseAction action = TCloseAction::caHide;
    while (true) {
        while (m_modalResult == mrNone && !(Application && Application->Terminated()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (m_modalResult == mrNone)
            m_modalResult = mrCancel;
        action = TCloseAction::caHide;
        DoClose(action);
        if (action != TCloseAction::caNone)
            break;
        m_modalResult = mrNone;
    }
    --m_modalLevel;
    Hide();
    setWindowModality(Qt::NonModal);
    const TModalResult result = m_modalResult;
    if (action == TCloseAction::caFree)
        Release();
    return result;
}

void TForm::BelongToMainWindow()
{
    const TForm* main = Application ? Application->MainForm() : nullptr;
    if (!main || main == this || !main->windowHandle())
        return;
    winId(); // the platform window exists from here on
    windowHandle()->setTransientParent(main->windowHandle());
}

void TForm::Release()
{
    Hide();
    deleteLater();
}

void TForm::SendSysCommand(unsigned command)
{
    TWMSysCommand message;
    message.CmdType = command;
    WMSysCommand(message);
}

void TForm::DefaultSysCommand(unsigned command)
{
    switch (CommandOf(command)) {
    case SC_MOVE:
        TWindowTracker::StartMove(this);
        break;
    case SC_SIZE:
        // Keyboard sizing (no edge) has no counterpart here.
        if (const Qt::Edges edges = EdgesOfSizeCommand(command))
            TWindowTracker::StartResize(this, edges);
        break;
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_MAXIMIZE:
        showMaximized();
        break;
    case SC_RESTORE:
        showNormal();
        break;
    case SC_CLOSE:
        Close();
        break;
    default:
        break;
    }
}

void TForm::WMSysCommand(TWMSysCommand& message)
{
    DefaultSysCommand(message.CmdType);
}

void TForm::DoCreate()
{
    TErrorReport::Guard([&] { OnCreate(this); });
}

void TForm::DoShow()
{
    OnShow(this);
}

void TForm::DoClose(TCloseAction& action)
{
    OnClose(this, action);
}

bool TForm::IsPropertyStored(const QString& name) const
{
    return name != QLatin1String("Width") && name != QLatin1String("Height") &&
           name != QLatin1String("Visible");
}

void TForm::ApplyVisibility()
{
    if (!Visible()) {
        if (isVisible()) {
            hide();
            TErrorReport::Guard([&] { OnHide(this); });
        }
        return;
    }
    if (isVisible())
        return;
    const bool firstShow = !m_shownBefore;
    PlaceOnFirstShow();
    TErrorReport::Guard([&] { DoShow(); });
    if (!Visible())
        return; // OnShow hid it again
    if (firstShow)
        TWinControl::ApplyConstraints();
    switch (m_windowState) {
    case TWindowState::wsMaximized:
        showMaximized();
        break;
    case TWindowState::wsMinimized:
        showMinimized();
        break;
    case TWindowState::wsNormal:
        show();
        break;
    }
}

// Until the window is first shown its constraints only limit SetBounds, as they do
// for the show handler placing it; the window system learns them when it appears.
void TForm::ApplyConstraints()
{
    if (m_shownBefore)
        TWinControl::ApplyConstraints();
}

void TForm::PlaceOnFirstShow()
{
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    if (m_position != TPosition::poScreenCenter && m_position != TPosition::poDesktopCenter)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2,
              Width(), Height());
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    if (m_borderStyle == TBorderStyle::bsNone)
        flags |= Qt::FramelessWindowHint;
    else if (m_borderStyle == TBorderStyle::bsDialog || m_borderStyle == TBorderStyle::bsSingle)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

void TForm::TextChanged()
{
    setWindowTitle(Caption());
}

// The window manager's close request (its close button, Alt+F4 there) is the system
// Close command; the window decides through WMSysCommand.
void TForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    TErrorReport::Guard([&] { SendSysCommand(SC_CLOSE); });
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        event->accept();
        TErrorReport::Guard([&] { SendSysCommand(SC_CLOSE); });
        return;
    }
    TWinControl::keyPressEvent(event);
}
