#include "editing/CommitState.h"

quint8 CommitRequested = 0;
