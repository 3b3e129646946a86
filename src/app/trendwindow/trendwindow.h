#pragma once

#include "trendview.h"
#include "trend/samplering.h"

#include <QVector>
#include <QWidget>

#include <memory>

class QAction;
class QwtPlot;
class TrendCurve;

// The live values against time, in a window of its own: per channel the
// temperature, the input value and the output current, each quantity on a
// plot of its own with its unit, the plots stacked on one time axis. The
// view follows the newest sample unless paused; zooming or panning pauses
// it, and a choice of the span resumes it.
class TrendWindow : public QWidget, public TrendView
{
    Q_OBJECT

public:
    TrendWindow(std::shared_ptr<const zt::trend::SampleRing> samples, const TrendPrompts &prompts,
                QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    void setModule(const TrendModule &module) override;
    void samplesChanged() override;

    // What the view shows: the span (0: all samples) and whether it follows.
    qint64 span() const { return viewSpan; }
    bool paused() const;
    void savePicture(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addPlot(const QString &axisTitle);
    void follow();
    void showNewest();
    void resumeFollowing();
    void timeChangedOn(QwtPlot *source);
    void alignValueAxes();
    void replotAll();
    void askAndSavePicture();

    std::shared_ptr<const zt::trend::SampleRing> samples;
    TrendPrompts prompts;
    QWidget *plotArea = nullptr;
    QVector<QwtPlot *> plots;             // by zt::trend::Quantity
    QVector<TrendCurve *> curves;         // all series, the plot's in channel order
    QAction *pauseAction = nullptr;
    qint64 viewSpan = 0;
    bool settingTime = false;             // the view's own change, not the user's
};
