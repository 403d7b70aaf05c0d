#pragma once

#include "TControlTypes.h"
#include "TPersistent.h"
#include "T_AM2000_Types.h"

#include <QString>
#include <memory>

class I_AM2000_OptionsOwner;
class T_AM2000_Colors;
class T_AM2000_Margins;
class T_AM2000_OptionGroup;
class T_AM2000_Skin;
class T_AM2000_Title;

// The options of a menu or an item that decide how a drop-down window looks. The four
// groups (Title, Colors, Margins, Skin) are created on first read and are never seen
// absent. A group is the options object's own when its Parent flag is false; changing
// any value of a group makes it own. Flags, Opacity and Animation are kept here for
// every level but published only by the menu level.
class T_AM2000_Options : public TPersistent {
    T_CLASS_INFO
public:
    static constexpr int DefaultOpacity = 100; // percent

    explicit T_AM2000_Options(I_AM2000_OptionsOwner* owner = nullptr);
    ~T_AM2000_Options() override;
    T_AM2000_Options(const T_AM2000_Options&) = delete;
    T_AM2000_Options& operator=(const T_AM2000_Options&) = delete;

    I_AM2000_OptionsOwner* Owner() const { return m_owner; }

    T_AM2000_Title* Title() const;
    T_AM2000_Colors* Colors() const;
    T_AM2000_Margins* Margins() const;
    T_AM2000_Skin* Skin() const;
    // Setting a whole group: a group is copied in, and the Parent flag becomes true
    // exactly when the copy equals the defaults; nullptr frees the group and sets the
    // Parent flag true. The owner refreshes once.
    void SetTitle(const T_AM2000_Title* title);
    void SetColors(const T_AM2000_Colors* colors);
    void SetMargins(const T_AM2000_Margins* margins);
    void SetSkin(const T_AM2000_Skin* skin);
    // The group of that kind, created on first read.
    T_AM2000_OptionGroup* Group(T_AM2000_GroupKind kind) const;
    bool HasGroup(T_AM2000_GroupKind kind) const;
    // The group exists, is not inherited and differs from the defaults.
    bool HasOwnGroup(T_AM2000_GroupKind kind) const;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    T_AM2000_Flags Flags() const { return m_flags; }
    void SetFlags(T_AM2000_Flags flags);
    // The drop-down window has a drag strip and can be torn off as a floating window.
    bool Draggable() const { return m_draggable; }
    void SetDraggable(bool draggable);
    // Items can be rearranged by dragging.
    bool Customizable() const { return m_customizable; }
    void SetCustomizable(bool customizable);
    // Percent, 1..100.
    int Opacity() const { return m_opacity; }
    void SetOpacity(int opacity);
    T_AM2000_Animation Animation() const { return m_animation; }
    void SetAnimation(T_AM2000_Animation animation);
    // Caption of a torn-off window.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    bool ParentColors() const { return ParentFlag(T_AM2000_GroupKind::Colors); }
    void SetParentColors(bool parent) { SetParentFlag(T_AM2000_GroupKind::Colors, parent); }
    bool ParentMargins() const { return ParentFlag(T_AM2000_GroupKind::Margins); }
    void SetParentMargins(bool parent) { SetParentFlag(T_AM2000_GroupKind::Margins, parent); }
    bool ParentTitle() const { return ParentFlag(T_AM2000_GroupKind::Title); }
    void SetParentTitle(bool parent) { SetParentFlag(T_AM2000_GroupKind::Title, parent); }
    bool ParentSkin() const { return ParentFlag(T_AM2000_GroupKind::Skin); }
    void SetParentSkin(bool parent) { SetParentFlag(T_AM2000_GroupKind::Skin, parent); }
    bool ParentFlag(T_AM2000_GroupKind kind) const;
    // A new value asks the owner to refresh.
    void SetParentFlag(T_AM2000_GroupKind kind, bool parent);

    // Alignment, Draggable, Customizable and Caption at their defaults, and no group own
    // and different from its defaults.
    virtual bool HasDefaults() const;
    // Alignment, Flags, Draggable, Customizable, Opacity, Animation and Caption equal to
    // other's.
    bool SameSettings(const T_AM2000_Options& other) const;
    // Every group holds the values of other's group of that kind; the Parent flags aside.
    bool SameGroups(const T_AM2000_Options& other) const;

    // Told by a group of a change of one of its values (not while updating): the owner
    // refreshes, then the group's Parent flag becomes false.
    void GroupChanged(T_AM2000_GroupKind kind);

protected:
    // Whether a layout holds the group: own, different from the defaults and not
    // supplied by a shared skin component.
    bool IsGroupStored(T_AM2000_GroupKind kind) const;
    void Refresh() const;

    // --- The merge walk of a drop-down window's options (no notification) -------------

    // Copies Alignment, Draggable, Customizable and Caption.
    void CopySettings(const T_AM2000_Options& other);
    // One step up the item chain: copies the settings, then for each group still
    // inherited takes the item's own group, and stops inheriting a group whose Parent
    // flag the item has cleared.
    void InheritFrom(const T_AM2000_Options& item);
    // The last step: every group still inherited becomes the menu's, where the menu's
    // is own and not default.
    void TakeMenuGroups(const T_AM2000_Options& menu);

private:
    static void Declare(TClassInfo& c);
    void SetGroup(T_AM2000_GroupKind kind, const T_AM2000_OptionGroup* group);
    std::unique_ptr<T_AM2000_OptionGroup>& Slot(T_AM2000_GroupKind kind) const;

    I_AM2000_OptionsOwner* m_owner;
    mutable std::unique_ptr<T_AM2000_OptionGroup> m_groups[4];
    bool m_parentFlags[4] = {true, true, true, true};
    TAlignment m_alignment = TAlignment::taLeftJustify;
    T_AM2000_Flags m_flags;
    bool m_draggable = false;
    bool m_customizable = false;
    int m_opacity = DefaultOpacity;
    T_AM2000_Animation m_animation = T_AM2000_Animation::anDefault;
    QString m_caption;
};
