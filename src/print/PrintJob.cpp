// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintJob.h"

#include <algorithm>

namespace boxmill {

JobSetup SetUpJob(int pageHeight, int fontSize, int gap)
{
    JobSetup job;
    job.pageHeight = std::max(pageHeight, 1);
    job.fontSize = std::max(fontSize, 1);
    job.gap = std::max(gap, 0);
    // A page shorter than one line still takes one, rather than none and a
    // division by nothing.
    job.linesPerPage = std::max(job.pageHeight / (job.fontSize + job.gap), 1);
    job.linePitch = job.pageHeight / job.linesPerPage;
    return job;
}

bool TextLineFits(const JobSetup& job, int y)
{
    return static_cast<long long>(y) + job.linePitch + job.fontSize < job.pageHeight;
}

bool DrawingFits(const JobSetup& job, int y, int drawingHeight, int g, int k)
{
    return static_cast<long long>(y) + drawingHeight + static_cast<long long>(g) * job.gap +
               static_cast<long long>(k) * (job.fontSize + job.linePitch) <
           job.pageHeight;
}

} // namespace boxmill
