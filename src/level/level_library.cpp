// Anchors the level library while it has no other source.
