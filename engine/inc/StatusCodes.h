#pragma once

namespace Corvane::DB {

// Status codes returned by every database function.
enum Status {
    StatusOk = 0,
    StatusFailed = -1, // statement failed or nothing found
    StatusNullCollection = -2, // null collection uuid
    StatusUnknownCollection = -4, // collection not in any file
    StatusFileDoesNotOpen = -5, // collection file does not open
    StatusNoCardPasses = -6, // no card passes the filters
    StatusPositionOutside = -10 // chip position outside the card
};

} // namespace Corvane::DB
