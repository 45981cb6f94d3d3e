#include "PageView.h"

#include "EditorSession.h"
#include "common/CommonComponent.h"
#include "common/PageCheck.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "platform/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

Qt::CursorShape cursorFor(int shape) {
    switch (shape) {
    case CURSEUR_CROIX:
        return Qt::CrossCursor;
    case CURSEUR_MAIN:
        return Qt::PointingHandCursor;
    case CURSEUR_DEPLACE:
        return Qt::SizeAllCursor;
    case CURSEUR_DIAG_NO_SE:
        return Qt::SizeFDiagCursor;
    case CURSEUR_DIAG_NE_SO:
        return Qt::SizeBDiagCursor;
    case CURSEUR_VERTICAL:
        return Qt::SizeVerCursor;
    case CURSEUR_HORIZONTAL:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// Sets ModeVisu for the time of a drawing.
class ModeScope {
public:
    explicit ModeScope(int mode) : saved_(ModeVisu()) { ModeVisu() = mode; }
    ~ModeScope() { ModeVisu() = saved_; }
    ModeScope(const ModeScope&) = delete;
    ModeScope& operator=(const ModeScope&) = delete;

private:
    int saved_;
};

} // namespace

PageView::PageView(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    updateSize();
}

double PageView::scale() const {
    return zoom_ / 100.0 * 96.0 / 254.0;
}

void PageView::SetZoom(int percent) {
    zoom_ = std::clamp(percent, 25, 400);
    updateSize();
    update();
}

void PageView::updateSize() {
    const vlSize page = session_.Document().Page(session_.Page()).Taille;
    setMinimumSize(int(page.cx * scale()) + 2 * kBorder, int(page.cy * scale()) + 2 * kBorder);
    resize(minimumSize());
}

QSize PageView::sizeHint() const {
    return minimumSize();
}

vlPoint PageView::ToPage(QPoint p) const {
    return {int((p.x() - kBorder) / scale()), int((p.y() - kBorder) / scale())};
}

QPoint PageView::ToWidget(vlPoint p) const {
    return {int(p.x * scale()) + kBorder, int(p.y * scale()) + kBorder};
}

void PageView::paintEvent(QPaintEvent*) {
    updateSize();
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x9a, 0x9e, 0xa6));
    TDocument& document = session_.Document();
    TPlanche& page = document.Page(session_.Page());
    TQtCanvas canvas(painter, scale(), QPointF(kBorder, kBorder));
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.FillRect(page.Rectangle());
    // The ruling the page prints, or else its squares and margins for the eye only.
    page.DessineReglure(canvas);
    if (page.Reglure == TPlanche::TypeReglure::Aucune && page.Pas.cx > 0 && page.Pas.cy > 0) {
        canvas.Pen = TPen{RGB(0xD6, 0xE4, 0xF2), 0, psSolid, pmCopy};
        const vlRect area = page.ZoneUtile();
        // The lines of the grid that fall inside the area, under the header.
        const auto first = [](int origin, int start, int step) {
            return origin >= start ? origin : origin + (start - origin + step - 1) / step * step;
        };
        for (int x = first(page.OrgGrille.x, area.left, page.Pas.cx); x <= area.right;
             x += page.Pas.cx) {
            canvas.MoveTo(x, area.top);
            canvas.LineTo(x, area.bottom);
        }
        for (int y = first(page.OrgGrille.y, area.top, page.Pas.cy); y <= area.bottom;
             y += page.Pas.cy) {
            canvas.MoveTo(area.left, y);
            canvas.LineTo(area.right, y);
        }
    }
    const vlRect area = page.ZoneUtile();
    canvas.Pen = TPen{RGB(0xB0, 0xB0, 0xB0), 0, psDash, pmCopy};
    canvas.Brush = TBrush{clWhite, bsClear};
    canvas.Rectangle(area.left, area.top, area.right, area.bottom);

    document.DessineEntetePage(canvas, session_.Page(), session_.Mode());

    const ModeScope mode(session_.Mode());
    for (int i = 0; i < document.NbComposants(); ++i) {
        if (document.PageDe(i) != session_.Page())
            continue;
        DessineComposant(document.Composant(i), canvas, session_.Mode(), &page, false);
    }
    // The page check redraws every component: once a revision of the document.
    std::vector<std::string> avertissements = AvertissementsDessin(document);
    if (!verifie_ || verifie_->first != session_.Revision())
        verifie_ = {session_.Revision(), VerifieEncre(document)};
    avertissements.insert(avertissements.end(), verifie_->second.begin(), verifie_->second.end());
    QStringList lignes;
    for (const std::string& a : avertissements)
        lignes << QString::fromStdString(a);
    emit avertissementsCadre(lignes);
    if (TComposant* selected = session_.Selection())
        selected->DessinePoignees(canvas);
    if (TComposant* moving = session_.Interacting())
        moving->DessineMotif(canvas);
}

void PageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const vlPoint p = ToPage(event->position().toPoint());
    TRecordingCanvas band;
    if (tool_) {
        std::unique_ptr<TComposant> created = tool_(&session_.Document().Cadre(session_.Page()));
        if (created) {
            session_.BeginCreate(std::move(created), p, band);
            dragging_ = true;
            emit selectionChanged(nullptr);
        }
        update();
        return;
    }
    int code = HIT_RIEN;
    TComposant* hit = session_.ComponentAt(p, code);
    session_.Select(hit);
    emit selectionChanged(hit);
    if (hit != nullptr) {
        session_.BeginChange(hit, p, code, band);
        dragging_ = true;
    }
    update();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    const vlPoint p = ToPage(event->position().toPoint());
    if (dragging_) {
        TRecordingCanvas band;
        session_.Drag(p, band);
        update();
        return;
    }
    if (tool_) {
        setCursor(Qt::CrossCursor);
        return;
    }
    int code = HIT_RIEN;
    const TComposant* hit = session_.ComponentAt(p, code);
    setCursor(cursorFor(hit != nullptr ? hit->Curseur(code) : CURSEUR_DEFAUT));
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    TRecordingCanvas band;
    const bool creating = session_.Interacting() != nullptr && tool_;
    const int before = session_.History().index();
    TComposant* done = session_.EndDrag(band);
    if (creating) {
        tool_ = nullptr;
        emit toolUsed();
    }
    if (done != nullptr) {
        emit selectionChanged(done);
        if (creating || session_.History().index() != before)
            emit documentChanged();
    }
    update();
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
    const vlPoint p = ToPage(event->position().toPoint());
    int code = HIT_RIEN;
    TComposant* hit = session_.ComponentAt(p, code);
    if (hit == nullptr)
        return;
    if (hit->DblClk(int(event->modifiers()), p)) {
        session_.Committed();
        emit documentChanged();
        emit selectionChanged(hit);
    }
    update();
}

void PageView::contextMenuEvent(QContextMenuEvent* event) {
    const vlPoint p = ToPage(event->pos());
    int code = HIT_RIEN;
    if (TComposant* hit = session_.ComponentAt(p, code)) {
        session_.Select(hit);
        emit selectionChanged(hit);
        update();
        emit menuDemande(hit, event->globalPos());
    }
}
