-- plumfall-console calls frame() once per frame, inside the scene.
local x = -400

function frame()
    x = x + 2
    if x > 400 then
        x = -400
    end
    afficherobjet(x, 200, 0, "poulet")
end
