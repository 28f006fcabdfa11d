#pragma once

class TReportCatalogue;

// Puts the handlers of every report family of the build into the catalogue.
// Each family offers a Register...Handlers(TReportCatalogue&) beside its
// reports and is called from here; running this twice changes nothing.
void RegisterReportFamilies(TReportCatalogue& ACatalogue);

// Frees what report families keep from one run to the next (report data
// modules some entries keep); called at program end, before the session
// modules go.
void ReleaseReportFamilies();
