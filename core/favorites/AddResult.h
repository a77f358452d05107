#pragma once

// Outcome of adding a favorite to a list.
enum AddResult {
  Added = 0,              // taken (for the history: already held, and brought to the front)
  AlreadyRegistered = 2,  // the list holds the same item
  ListFull = 3,           // the list is at its capacity
  Rejected = 4            // invalid item, unknown list kind, or an item of another kind
};
