// The page view of the editor: draws the current page of the session at a zoom, with its
// margins and squared paper, the selection's handles and the rubber band of a change; turns
// mouse gestures into the components' interactive slots.
#pragma once

#include "host/Composant.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class EditorSession;
class TCadre;

class PageView : public QWidget {
    Q_OBJECT
public:
    using Tool = std::function<std::unique_ptr<TComposant>(TCadre*)>;

    explicit PageView(EditorSession& session, QWidget* parent = nullptr);

    // Percent of the real size on a 96 dpi screen.
    int Zoom() const { return zoom_; }
    void SetZoom(int percent);
    // The tool of the next press: a component factory, or none (selection).
    void SetTool(Tool tool) { tool_ = std::move(tool); }
    bool HasTool() const { return bool(tool_); }

    // Widget pixels to page units and back.
    vlPoint ToPage(QPoint p) const;
    QPoint ToWidget(vlPoint p) const;
    QSize sizeHint() const override;

signals:
    void selectionChanged(TComposant* composant);
    // A change made through the view (creation, move, double-click).
    void documentChanged();
    // The creation tool was used.
    void toolUsed();
    // A right click on a component, which is now the selection: its menu at `global`.
    void menuDemande(TComposant* composant, QPoint global);
    // After a drawing: what the page's components had no room for, one warning a line; empty
    // when nothing.
    void avertissementsCadre(const QStringList& avertissements);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    double scale() const;
    void updateSize();

    EditorSession& session_;
    int zoom_ = 100;
    Tool tool_;
    bool dragging_ = false;
    // The page check's lines and the document revision they were found on.
    std::optional<std::pair<std::uint64_t, std::vector<std::string>>> verifie_;
    static constexpr int kBorder = 24;
};
