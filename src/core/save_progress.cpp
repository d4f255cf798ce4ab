#include "core/save_progress.h"

namespace swathkit {

void ShowSaveProgress(Ports& ports, int index, double seconds) {
    SaveProgressView& view = ports.Progress;
    view.SetSavingShown(index, true);
    view.ProcessPendingEvents();
    int value = 0;
    view.SetProgress(index, 0, 100, value);
    // The window stays deaf during the pause on purpose: it shows the
    // operator that the write has happened.
    const double step = seconds / 10;
    for (int i = 0; i < 10; ++i) {
        const double start = ports.Time.MonotonicSeconds();
        for (double waited = 0; waited < step; waited = ports.Time.MonotonicSeconds() - start) {
            ports.Time.Sleep(step - waited);
        }
        value += 10;
        view.SetProgress(index, 0, 100, value);
    }
    view.SetSavingShown(index, false);
}

}  // namespace swathkit
