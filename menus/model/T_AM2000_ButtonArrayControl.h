#pragma once

#include "TBitmap.h"
#include "T_AM2000_MenuControl.h"

#include <QStringList>
#include <memory>

// A grid of buttons inside an item (a colour picker, say): Rows x Columns cells, Count
// of them used, drawn from Bitmap, with a hint per button.
class T_AM2000_ButtonArrayControl : public T_AM2000_MenuControl {
    T_CLASS_INFO
public:
    T_AM2000_ButtonArrayControl();
    ~T_AM2000_ButtonArrayControl() override;

    int Rows() const { return m_rows; }
    void SetRows(int rows) { Update(m_rows, rows); }
    int Columns() const { return m_columns; }
    void SetColumns(int columns) { Update(m_columns, columns); }
    const QStringList& Hints() const { return m_hints; }
    void SetHints(const QStringList& hints) { Update(m_hints, hints); }
    // The pressed button; -1 none.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index) { Update(m_itemIndex, index); }
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { Update(m_allowAllUp, allow); }
    // Owned by the control.
    TBitmap* Bitmap() const { return m_bitmap.get(); }
    int Count() const { return m_count; }
    void SetCount(int count) { Update(m_count, count); }

private:
    int m_rows = 1;
    int m_columns = 1;
    QStringList m_hints;
    int m_itemIndex = -1;
    bool m_allowAllUp = true;
    std::unique_ptr<TBitmap> m_bitmap;
    int m_count = 0;
};
