#pragma once
// A tree of labelled nodes, each carrying a pointer of the program's (Data). The view owns its
// nodes through Items: a node frees its children with it.
//
// Selecting a node, by the user or from code, asks OnChanging (which may refuse) and then fires
// OnChange; expanding and collapsing likewise ask OnExpanding / OnCollapsing and then fire
// OnExpanded / OnCollapsed. Deleting the selected node leaves no node selected and fires nothing.
// Unless ReadOnly, F2 or a click on the selected node edits its label: OnEditing may refuse, and
// OnEdited sees the new text (and may change it) before the node takes it.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Control.h"

class QTreeWidgetItem;
class TTreeNodes;
class TTreeView;

class TTreeNode {
public:
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }

    TTreeNode* Parent() const { return FParent; }
    int Count() const { return int(FChildren.size()); }
    bool HasChildren() const { return !FChildren.empty(); }
    // Raises EListError out of range.
    TTreeNode* Item(int index) const;
    // The position among its siblings.
    int Index() const;
    // 0 for a root node.
    int Level() const;
    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren[0].get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in tree order (children before siblings), or null after the last.
    TTreeNode* GetNext() const;

    bool Expanded() const;
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool value);
    // Scrolls the view to show the node, expanding its parents.
    void MakeVisible();

    // Frees the node and its children.
    void Delete();
    void DeleteChildren();

    TTreeNodes* Owner() const { return FOwner; }
    TTreeView* TreeView() const;

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeNodes* owner, TTreeNode* parent, const std::string& text, void* data);
    std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;

    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::string FText;
    void* FData;
    QTreeWidgetItem* FItem;  // the view's row, owned by the view
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* view);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // A new last sibling of sibling (a root node when sibling is null).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text) {
        return AddObject(sibling, text, nullptr);
    }
    TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, void* data);
    // A new first sibling of sibling (the first root when null).
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    // A new node just before sibling (the last root when null).
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    // A new last child of parent (a root node when parent is null).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text) {
        return AddChildObject(parent, text, nullptr);
    }
    TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, void* data);
    void Delete(TTreeNode* node) { node->Delete(); }
    void Clear();

    // Every node, in tree order.
    int Count() const;
    // The index-th node in tree order; EListError out of range.
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots[0].get(); }

    // Changes in between are shown once, at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    TTreeView* Owner() const { return FView; }

private:
    friend class TTreeNode;
    TTreeNode* InsertNode(TTreeNode* parent, int position, const std::string& text, void* data);
    std::vector<std::unique_ptr<TTreeNode>>& ChildList(TTreeNode* parent) {
        return parent ? parent->FChildren : FRoots;
    }

    TTreeView* FView;
    std::vector<std::unique_ptr<TTreeNode>> FRoots;
    int FUpdateCount = 0;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent =
    std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVCollapsingEvent =
    std::function<void(TObject* sender, TTreeNode* node, bool& allowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVEditingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowEdit)>;
using TTVEditedEvent = std::function<void(TObject* sender, TTreeNode* node, std::string& s)>;

class TTreeView : public TWinControl {
    KV_DECLARE_CLASS(TTreeView, TWinControl)
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    TTreeNodes* Items() const { return FItems.get(); }
    TTreeNode* Selected() const { return FSelected; }
    // Asks OnChanging, then fires OnChange; null clears the selection.
    void SetSelected(TTreeNode* node);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // Whether the selection disappears while the view has not the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value) { FShowLines = value; }
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value);

    static void Publish(TPublisher<TTreeView>& p);

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void CurrentChanged(QTreeWidgetItem* item);
    // Expands or collapses as asked (by the user: the toolkit already did).
    void ExpandNode(TTreeNode* node, bool expand, bool byUser);
    bool CanEdit(QTreeWidgetItem* item);
    void LabelEdited(QTreeWidgetItem* item);
    void NodeDeleting(TTreeNode* node);
    void ShowSelected();

    std::unique_ptr<TTreeNodes> FItems;
    TTreeNode* FSelected = nullptr;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FShowRoot = true;
    bool FShowLines = true;
    bool FShowButtons = true;
    int FQuiet = 0;  // changes of our own making: the toolkit's reports of them are ignored
};
