// Planted in the card layer by the layer test: a call into a layer above, declared here
// without its header, that the card layer linked alone must fail to resolve.
int plantedUpward();
int plantedCaller() { return plantedUpward(); }
