#pragma once
// The zoomable preview of one photo with a filter chain applied. It does not
// scroll through the scroll area: it cuts the visible part of the zoomed
// result into its owner's label and pans by mouse drag. Loading, filtering
// and scaling run on its worker; results come back through the worker's
// queued Show() and are taken over, by value, in Showup().

#include "ControlImageThread.h"
#include "ImageFilters.h"
#include "ImageManager.h"
#include "ListFilters.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QScrollArea>
#include <QSize>
#include <QString>

class CImageCache;
class CUserProfile;
class QLabel;

class CControlImage : public QScrollArea
{
    Q_OBJECT

public:
    // Where a point lies on the area label of area editing.
    enum AreaCode : qint32 {
        AreaNone = 0,
        AreaLeft,
        AreaRight,
        AreaTop,
        AreaBottom,
        AreaTopLeft,
        AreaTopRight,
        AreaBottomLeft,
        AreaBottomRight,
        AreaInside,
        AreaRotate,
        AreaOutside
    };

    explicit CControlImage(QWidget* parent = nullptr);
    ~CControlImage() override;

    // Posts a preview of the file through `filters`; false (nothing posted,
    // nothing changed) while showPreview is off, for "" or a missing file.
    bool StartPreview(const QString& path);
    void ClearFiltersList();
    void AddFiltersList(QList<SFilterRecord>* list);
    void AddFilter(const SFilterRecord& record);

    // Zoom buttons. False when refused: nothing shown yet, or a preview of
    // this view or of its friend still pending. True otherwise, also when
    // there is nothing to do.
    bool ZoomIn();
    bool ZoomOut();
    bool ZoomToFit();
    bool ZoomToMatch();
    // 0 (or anything that rounds to 0) means fit.
    bool ZoomPreview(double percent);

    bool UpdateView();
    void RedrawPreview(bool keepAreaLabel, bool noDarkening);
    void UpdatePreview();
    void ShowBlank();
    void ShowPlaceholder();
    void ResizeBackground();
    // Drops the worker's job and blanks the view at once.
    void Cleanup();
    // Stops a running or posted preview; a later StartPreview still runs.
    void CancelJob();
    // Stops and joins the worker (also done by the destructor).
    void ThreadClose();
    void SynchronizeFriend();

    bool SpecialFilters() const;
    bool ResizeFilters() const;
    bool DragAndDropFilters() const;
    static bool IsAreaRecord(const SFilterRecord& record);

    // Area editing (ControlImageAreas.cpp).
    AreaCode DetermineAreaOnWatermark(int x, int y) const;
    // mode 1 pressing, 2 hovering, 3 a resize record.
    void ShowCursor(int area, int mode);
    void RefreshText(QPixmap& pixmap, QRect& rect, SFilterRecord record);
    void RefreshLogo(QPixmap& pixmap, QRect& rect, SFilterRecord record);
    void RefreshCrop(QPixmap& pixmap, QRect& rect, SFilterRecord record);
    void RefreshResize(QPixmap& pixmap, QRect& rect, SFilterRecord& record);
    void DrawCornerGuides(QPixmap* pixmap);
    void DrawEdgeGuides(QPixmap* pixmap);
    void DrawAnnotateCorners(QPixmap* pixmap);
    void DarkenBackground(int amount);
    // Each of red, green and blue less `amount`, clamped; alpha 255.
    static QImage Darkened(const QImage& image, int amount);
    void UpdateFilterAnnotateControls(int& placement, double& dx, double& dy, bool& insideX, bool& insideY, long x,
                                      long y, long w, long h, bool percent);
    void RestrictWatermarkCoordinates(bool& insideX, bool& insideY, long& x, long& y, int& side, long w, long h);
    // The photo as shown for area editing: its rectangle in the view and the
    // scale from photo pixels to shown pixels.
    QRect FitRect() const { return QRect(m_FitX, m_FitY, m_FitWidth, m_FitHeight); }
    double FitScale() const { return m_FitScale; }
    AreaCode DragArea() const { return m_DragArea; }

    double CurrentZoom() const { return m_Zoom; }
    double MinimumZoom() const { return m_MinZoom; }
    QPoint ScrollPosition() const { return m_Scroll; }
    // For owners and tests: the cancel, seams and state of the worker. Its
    // engines stay private to it.
    CControlImageThread& Worker() { return m_Worker; }

    // Set by the owner right after construction.
    bool showPreview = true;
    CControlImage* friendView = nullptr;
    bool sharesMinZoom = false;
    bool singleFilterMode = false;
    QLabel* imageLabel = nullptr;
    QLabel* areaLabel = nullptr;
    bool* panelTransition = nullptr;
    QList<SFilterRecord> filters;

    // Read by owners and the friend view.
    QString currentPath;
    bool shown = false;   // a result is on screen
    bool pending = false; // a preview was requested and has not arrived

signals:
    void UpdateZoomPercent(int percent);
    void UpdateFilterInterface(SFilterRecord settings);
    // A read failed for a format that needs Ghostscript; emitted once the
    // notice has been asked whether it applies.
    void GhostscriptNotice(QString extension);

public slots:
    bool Showup();
    void DisplayGSMessage(QString extension);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnJobDropped(quint64 generation);
    void OnUnreadable(quint64 generation);

private:
    // What the view shows, kept so that a dropped request leaves it intact.
    struct SShownState {
        CImageManager engine;
        QString path;
        double zoom = 100.0;
        double minZoom = 0.0;
        QPoint scroll;
    };

    void ThreadCreate();
    double ComputeMinZoom();
    int DeviceRatio() const;
    bool ZoomRefused() const;
    bool ZoomLocked() const;
    bool CanPan() const;
    void Pan(const QPoint& position);
    void UpdateCursor();
    // Fits again after the owner's layout changed, or redraws.
    void Refit();
    // The chain is one editable area record of a previewed photo.
    bool AreaEditing() const;
    static bool EdgesRefused(const SFilterRecord& record);
    bool ComputeFitGeometry();
    void RefreshAreaLabel(bool keepGeometry, bool noDarkening);
    // One drag step on a copy of the record, written back and reported.
    void DragStep();
    bool DragMark(SFilterRecord& record);
    // Photo size, record units to photo pixels, and the drag step (press
    // minus current point) in photo pixels.
    struct SDragUnits {
        double photoWidth = 0;
        double photoHeight = 0;
        double toX = 1;
        double toY = 1;
        double stepX = 0;
        double stepY = 0;
    };
    SDragUnits DragUnits(bool percent) const;
    void DragCrop(SFilterRecord& record);
    void DragResize(SFilterRecord& record);
    void WriteBack(SFilterRecord& record);

    CUserProfile* m_pProfile;
    CImageCache* m_pImages;
    CImageManager m_EngineA; // the ping, then the full-size result
    CImageManager m_EngineB; // the zoomed result
    CControlImageThread m_Worker;
    QPoint m_Scroll;
    QPoint m_PressPoint;
    QPoint m_CurrentPoint;
    QPoint m_AreaOrigin;
    QSize m_Viewport{-1, -1};
    QPixmap m_Display;
    QPixmap m_Placeholder;
    QPixmap m_RotateCursor;
    double m_Zoom = 100.0;
    double m_RequestedZoom = 0.0;
    double m_MinZoom = 0.0;
    double m_MaxZoom = 100.0;
    QString m_PreviousPath;
    SShownState m_Shown;
    quint64 m_LastPreviewGeneration = 0;
    quint64 m_LastPostedGeneration = 0;
    quint64 m_CleanupGeneration = 0;

    // Area editing state.
    CImageFilters m_AreaFilters;
    int m_FitX = 0;
    int m_FitY = 0;
    int m_FitWidth = 0;
    int m_FitHeight = 0;
    double m_FitScale = 1.0;
    AreaCode m_DragArea = AreaInside;
    int m_CropSide = 0; // the edge a crop step could not pass: 3 right, 4 bottom, 8 both
};
