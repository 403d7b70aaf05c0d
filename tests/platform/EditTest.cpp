#include "TEdit.h"
#include "TForm.h"
#include "TKeyCodes.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The edit box: every change of its text is reported, and keys typed into it pass the
// form's key preview first, which may keep them from the text.

namespace {

class EditOnForm : public ::testing::Test {
protected:
    EditOnForm()
    {
        form->SetBounds(0, 0, 200, 80);
        edit->SetParent(form.get());
        form->Show();
    }

    // What the user types goes to the editor that fills the control.
    QWidget* Typing() const { return edit->focusProxy(); }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TEdit* edit = new TEdit(form.get());
};

} // namespace

TEST_F(EditOnForm, EveryChangeOfTheTextIsReported)
{
    QStringList seen;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        seen << edit->Text();
    };
    QTest::keyClicks(Typing(), QStringLiteral("ab"));
    QTest::keyClick(Typing(), Qt::Key_Backspace);
    edit->SetText(QStringLiteral("copy"));
    edit->SetText(QStringLiteral("copy"));
    EXPECT_EQ(seen, (QStringList{"a", "ab", "a", "copy"}));
}

TEST_F(EditOnForm, TheFormsKeyPreviewSeesTheKeysFirstAndCanKeepThemFromTheText)
{
    QString previewed;
    form->SetKeyPreview(true);
    form->OnKeyPress = [&](TObject*, QChar& key) {
        previewed += key;
        if (key == QChar(charEnter))
            key = QChar();
    };
    QTest::keyClicks(Typing(), QStringLiteral("ab"));
    QTest::keyClick(Typing(), Qt::Key_Return);
    EXPECT_EQ(previewed, QStringLiteral("ab\r"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ab"));

    form->SetKeyPreview(false);
    QTest::keyClick(Typing(), Qt::Key_Return);
    EXPECT_EQ(previewed, QStringLiteral("ab\r"));
    EXPECT_EQ(edit->Text(), QStringLiteral("ab\n"));
}
