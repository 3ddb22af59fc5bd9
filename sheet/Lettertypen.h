#pragma once
// The fonts the windows name, mapped onto the metric-compatible fonts that the system has.

void ZetLettertypeVervangers();
