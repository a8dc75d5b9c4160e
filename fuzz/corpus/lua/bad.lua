loadtexture(1)
loadvertexbuffer({}, 322, 4, "empty")
loadvertexbuffer({1, "x", {}}, 2, 1, "odd")
setmateriel("a", 1e20, "b")
while true do end
