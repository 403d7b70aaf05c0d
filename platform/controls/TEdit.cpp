#include "TEdit.h"

#include "TClassInfo.h"
#include "TErrorReport.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

const TClassInfo& TEdit::StaticClassInfo()
{
    static const TClassInfo info("TEdit", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TEdit>();
        c.Property("Text", &TEdit::Text, &TEdit::SetText, QString());
        c.Property("Alignment", &TEdit::Alignment, &TEdit::SetAlignment, TAlignment::taLeftJustify);
        c.Property("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle,
                   TBorderStyle::bsSingle);
        c.Property("Ctl3D", &TEdit::Ctl3D, &TEdit::SetCtl3D, true);
        c.Event("OnChange", &TEdit::OnChange);
    });
    return info;
}

TEdit::TEdit(TComponent* owner)
    : TWinControl(owner)
    , m_editor(new QPlainTextEdit(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->installEventFilter(this);
    connect(m_editor, &QPlainTextEdit::textChanged, this,
            [this] { TErrorReport::Guard([this] { Change(); }); });
    setFocusProxy(m_editor);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    ApplyFrame();
}

TEdit::~TEdit() = default;

QString TEdit::Text() const
{
    return m_editor->toPlainText();
}

void TEdit::SetText(const QString& text)
{
    if (text == Text())
        return;
    m_editor->setPlainText(text);
    SetAlignment(m_alignment);
}

void TEdit::SelectAll()
{
    m_editor->selectAll();
}

void TEdit::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    const Qt::Alignment flag = alignment == TAlignment::taCenter         ? Qt::AlignHCenter
                               : alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
    QTextOption option = m_editor->document()->defaultTextOption();
    option.setAlignment(flag);
    m_editor->document()->setDefaultTextOption(option);
}

void TEdit::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    ApplyFrame();
}

void TEdit::SetCtl3D(bool value)
{
    if (value == m_ctl3D)
        return;
    m_ctl3D = value;
    ApplyFrame();
}

void TEdit::ApplyFrame()
{
    if (m_borderStyle == TBorderStyle::bsNone) {
        m_editor->setFrameStyle(QFrame::NoFrame);
        return;
    }
    m_editor->setFrameStyle(m_ctl3D ? QFrame::StyledPanel | QFrame::Sunken
                                    : QFrame::Box | QFrame::Plain);
    m_editor->setLineWidth(1);
}

void TEdit::FontChanged()
{
    m_editor->setFont(Font()->ToQFont());
    ApplyColors();
}

void TEdit::ColorChanged()
{
    TWinControl::ColorChanged();
    ApplyColors();
}

void TEdit::ApplyColors()
{
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Base, TColors::ToQColor(Color()));
    palette.setColor(QPalette::Text, TColors::ToQColor(Font()->Color()));
    m_editor->setPalette(palette);
}

// Keys go through the control's own key steps before the editor sees them.
bool TEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress)
        return FilterKey(static_cast<QKeyEvent*>(event));
    if (watched == m_editor && event->type() == QEvent::FocusOut)
        TErrorReport::Guard([this] { DoExit(); });
    return TWinControl::eventFilter(watched, event);
}

bool TEdit::FilterKey(QKeyEvent* event)
{
    return RunKeySteps(event);
}

void TEdit::Change()
{
    OnChange(this);
}
