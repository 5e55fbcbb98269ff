#pragma once

namespace brisko {

// Flags left by the last advisory check, as the action records and the report read them.
struct AdvisoryFlags {
    bool Skid = false;
    bool ReservedDynamic = false; // never raised
    bool FrontAxleFree = false;
    bool SpringCaseFree = false;
    bool ReservedBuild = false;   // never raised
    bool PaperEdge = false;
    bool CasesInterfere = false;
    bool Floating = false;
    bool operator==(const AdvisoryFlags&) const = default;
};

} // namespace brisko
