#pragma once
// Shell commands that look at and edit a scene tree: they share one current
// scene, one root scene to select from, and the resource manager.
#include <ostream>
#include <string>

#include "engine/bash/bash.h"
#include "engine/manager/xmanager.h"
#include "engine/scene/scene.h"

class TOVI3DBASHAPP : public virtual BASH_APP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;

    // Sets the manager and clears the current scene.
    void initToviBashApp(XMANAGER* m);
    // The tree that "select" searches and "loadxml" adds to; not owned.
    // Clears the current scene, which may belong to the previous tree.
    static void setRootScene(SCENE* root);
    // The scene given to setRootScene, or the commands' own empty scene.
    static SCENE* getRootScene();
    static SCENE* getCurrentScene();

protected:
    // Writes "choisissez une scene" when there is no current scene.
    static bool needScene();

    static SCENE* currentscene;
    static XMANAGER* manager;
    static SCENE* rootscene;
};

class SHOWSCENE : public TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class SHOWXMLSCENE : public TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

// "select N" makes the scene numbered N under the root scene current.
class SELECTSCENE : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class TRANSLATION : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class ROTATION : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class SCALLING : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class IDENTITY : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class VISIBLEUR : public TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class SETTEXTUREBBASHAPP : public virtual TOVI3DBASHAPP {
public:
    bool action(int argc, std::string* argv) override;
};

class MANAGER_BASHAPP : public TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

// "loadxml FILE" reads the file, adds the scene under the root and makes
// the added scene current.
class LOADXMLSCENE : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class SAVEXMLSCENE : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class SAVEELEMENT3D : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class ADDSCENE : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};

class ADDELEMENT3D : public virtual TOVI3DBASHAPP {
public:
    void print(std::ostream& os) override;
    bool action(int argc, std::string* argv) override;
};
