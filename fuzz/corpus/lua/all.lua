loadtexture("tex.png", "t1")
loadtexture("missing.png", "t2")
loadmesh("missing.x", "m")
loadmateriel(1,1,1,1, 1,1,1,1, 0,0,0,1, 0,0,0,1, 10, "mat")
loaddefaultmateriel(0.5, 0.5, 0.5, 8, "dmat")
loadvertexbuffer({{0,0,0,0,0,255,255,255,255},{1,0,0,1,0,255,0,0,255},{1,1,0,1,1,0,255,0,255}}, 322, 4, "tri")
loadobjet3d("tri", "mat", "t1", "obj")
loadscene("sc")
addelement("sc", "obj")
addscene("sc")
setmateriel("dmat", 0, "obj")
loadmatrice("obj", "m.txt")
local n = 0
for i = 1, 100 do n = n + i end
