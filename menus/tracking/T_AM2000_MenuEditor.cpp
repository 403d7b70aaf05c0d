#include "T_AM2000_MenuEditor.h"

#include "TColors.h"
#include "TCustomPopupMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_EditControl.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int FrameWidth = 1;
// What QLineEdit leaves before its text on its own.
constexpr int LineEditMargin = 2;

} // namespace

T_AM2000_MenuEditor::T_AM2000_MenuEditor(TCustomPopupMenu2000Form& window, int index)
    : m_window(&window)
    , m_item(*window.Entries()[std::size_t(index)])
    , m_box(new QLineEdit(&window))
{
    const T_AM2000_EditControl& control = *m_item.EditControl();
    m_box->setFocusPolicy(Qt::NoFocus);
    m_box->setFrame(false);
    m_box->setFont(window.Menu().Font()->ToQFont());
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Base, TColors::ToQColor(control.Color()));
    palette.setColor(QPalette::Text, TColors::ToQColor(clWindowText));
    m_box->setPalette(palette);
    // The text stands where the box paints it: TextIndent inside the frame, of which the
    // line edit's own margin already gives part.
    m_box->setTextMargins(T_AM2000_EditControl::TextIndent - FrameWidth - LineEditMargin, 0, 0, 0);
    if (control.MaxLength() > 0)
        m_box->setMaxLength(control.MaxLength());
    m_box->setText(control.Text());
    if (control.AutoSelect())
        m_box->selectAll();
    m_box->setGeometry(T_AM2000_EditControl::TextBox(window.ShownControlArea(index)));
    m_box->show();
    // The box shows its blinking cursor as if it had the focus, which stays where it is.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(m_box, &focusIn);
}

T_AM2000_MenuEditor::~T_AM2000_MenuEditor()
{
    delete m_box.data();
}

QString T_AM2000_MenuEditor::Text() const
{
    return m_box ? m_box->text() : QString();
}

void T_AM2000_MenuEditor::Key(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (!m_box)
        return;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(m_box, &press);
}

void T_AM2000_MenuEditor::Accept()
{
    if (m_box)
        m_item.EditControl()->SetText(m_box->text());
}
