#include "core/velocity/accuracychart.h"

namespace velocity {

ChartData accuracyChart(const InputTexts &, MeterType chosen, const TextTable &)
{
    ChartData data;
    data.chosen = chosen;
    return data;
}

} // namespace velocity
