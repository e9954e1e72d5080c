// Keeps the resource object library non-empty before any asset is generated.
namespace hoopline { int resourcesAnchor = 0; }
