#include "TEditableMenuItem2000.h"

#include "TClassInfo.h"
#include "TMenuItem2000.h"

const TClassInfo& TEditableMenuItem2000::StaticClassInfo()
{
    static const TClassInfo info("TEditableMenuItem2000", &TPersistent::StaticClassInfo());
    return info;
}

TEditableMenuItem2000::TEditableMenuItem2000(TMenuItem2000* root)
    : m_root(root)
{}

int TEditableMenuItem2000::Count() const
{
    return m_root->Count();
}

TMenuItem* TEditableMenuItem2000::Items(int index) const
{
    return m_root->Items(index);
}

void TEditableMenuItem2000::Add(TMenuItem* item)
{
    m_root->Add(item);
}

void TEditableMenuItem2000::Insert(int index, TMenuItem* item)
{
    m_root->Insert(index, item);
}

void TEditableMenuItem2000::Remove(TMenuItem* item)
{
    m_root->Remove(item);
}
