#pragma once

class TKsCustomDataSet;

// Gives every record the dataset inserts a new UniqueKey (its UNIQUEKEY
// field, found without regard to case), before any OnNewRecord handler it
// already had runs.
void GiveNewRecordsAUniqueKey(TKsCustomDataSet& dataSet);
