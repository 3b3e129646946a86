// The entry point the main window resolves in the trend window's library.

#include "trendview.h"
#include "trendwindow.h"

extern "C" Q_DECL_EXPORT TrendView *zt_create_trend_view(std::shared_ptr<const zt::trend::SampleRing> samples,
                                                        const TrendPrompts &prompts, QWidget *parent)
{
    return new TrendWindow(std::move(samples), prompts, parent);
}
