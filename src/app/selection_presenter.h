#pragma once
// The tree's current node and the page shown for it: the current selection
// of the declaration tree, kept so the copy buttons render the same
// declarations as the page.

#include <QImage>
#include <QObject>

#include <functional>
#include <optional>
#include <string>

#include "compare/comparison_html.h"
#include "render/current_selection.h"

class QString;
class QTreeWidget;

namespace ec {

class ModuleLoader;
class TreeViewHelper;

class SelectionPresenter : public QObject {
  Q_OBJECT

 public:
  SelectionPresenter(TreeViewHelper& tree, QTreeWidget* treeWidget, ModuleLoader& loader, QObject* parent = nullptr);

  // Runs when the tree's current node changes: remembers what it stands for
  // and shows its page (the module node shows the summary page again).
  void OnTreeSelectionChanged();
  // Puts the current node's text on the clipboard.
  void CopySelectedNodeText();

  const CurrentSelection& Selection() const { return selection_; }
  // The selection in one rendering, or nothing when it has no declarations.
  std::optional<std::string> Render(Rendering rendering) const;
  // The module node and the subroutine category stand for the whole module
  // (or all its groups): too much to render on the window thread.
  bool StandsForWholeModule() const;
  // Render(rendering) as a job that needs nothing of the window, to run on
  // a worker thread.
  std::function<std::optional<std::string>()> RenderJob(Rendering rendering) const;
  // The data type or class selected (a single one, not a category), whose
  // uses can be shown; nothing for other nodes.
  std::optional<DeclarationLink> SelectedTypeDeclaration() const;
  // The picture of the selected resource constant, or a null image.
  QImage SelectedResourcePicture() const;

 private:
  TreeViewHelper& tree_;
  QTreeWidget* treeWidget_;
  ModuleLoader& loader_;
  CurrentSelection selection_;
};

// Replaces the clipboard's text.
void PutOnClipboard(const std::string& text);
void PutOnClipboard(const QString& text);
// Puts HTML on the clipboard twice: as text, so a text editor gets the source,
// and as text/html, so a word processor or a forum editor gets it formatted.
void PutHtmlOnClipboard(const std::string& html);
void PutHtmlOnClipboard(const QString& html);

}  // namespace ec
