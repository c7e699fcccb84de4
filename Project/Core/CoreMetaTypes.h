#pragma once

// Registers the types that travel in queued signals: "SFilterRecord",
// "ListDragDrop" and "ListInt". Safe to call more than once.
void RegisterCoreMetaTypes();
