#ifndef HX_C_PLAYER_H
#define HX_C_PLAYER_H

#include "actions/CHXVariableTable.h"
#include "document/SPublishedTrailer.h"
#include "player/IHXControlInterface.h"

#include <IEventReceiver.h>
#include <IReadFile.h>
#include <IReferenceCounted.h>
#include <IrrlichtDevice.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <ITriangleSelector.h>
#include <dimension2d.h>
#include <irrArray.h>
#include <irrString.h>

class CDebugConsole;
class CEdrixServices;
class CVeskDocument;
class CVeskScene;
class CVeskWarningAndErrorReceiver;

//! The application: one per process. The constructor brings the whole system up, run() is
//! the frame loop, OnEvent routes input and log events, the destructor tears down in order.
class CPlayer : public irr::IEventReceiver, public IHXControlInterface, public virtual irr::IReferenceCounted
{
public:
	//! scriptPath and windowSize may be null (absent).
	CPlayer(bool debug, bool windowed, bool headMountedDisplay, const char* scriptPath,
		const irr::core::dimension2di* windowSize);
	//! The same for a published executable other than the running one, already open (grabbed).
	CPlayer(irr::io::IReadFile* executable, bool debug, bool windowed, const char* scriptPath,
		const irr::core::dimension2di* windowSize);
	virtual ~CPlayer();

	virtual bool OnEvent(const irr::SEvent& event);

	virtual void switchToScene(const irr::c8* name);
	virtual void reloadScene(const irr::c8* name);
	virtual void switchToDocumentFile(const irr::c8* path);
	virtual void setActiveCamera(irr::scene::ISceneNode* camera);
	virtual IHXVariable* getVariable(const irr::c8* name, bool create);
	virtual void variableChanged(IHXVariable* variable);
	virtual void storeOrLoadVariable(IHXVariable* variable, bool load);
	virtual void setCurrentScriptBehaviour(irr::scene::ISceneNodeAnimator* behaviour);
	virtual void setScriptCurrentNode(irr::scene::ISceneNode* node) { ScriptCurrentNode = node; }
	virtual irr::scene::ISceneNode* getScriptCurrentNode() { return ScriptCurrentNode; }

	//! Adds a line to the debug console; nothing without one.
	void addConsoleLine(const wchar_t* text, bool allowRepeat);
	CDebugConsole* getDebugConsole() const { return Console; }
	irr::scene::ISceneNode* getPendingCamera() const { return PendingCamera; }

	//! The frame loop; returns when the device stops running, at once without a device.
	void run();

	//! One frame of the frame loop, as run draws it when a frame is due.
	void drawFrame();

	//! Gives the window its caption; only hands it to the device when it changed.
	void updateWindowCaption(bool loading);

	//! Makes a scene current. Its first activation builds its world selector and, when it has
	//! no active camera, a default camera; later ones resume it as it was. Null does nothing.
	void activateScene(CVeskScene* scene);

	CVeskDocument* getDocument() const { return Document; }
	irr::scene::ISceneManager* getCurrentSceneManager() const { return CurrentSceneManager; }
	irr::scene::ITriangleSelector* getCurrentWorldSelector() const { return CurrentWorldSelector; }

	irr::IrrlichtDevice* getDevice() const { return Device; }
	const SPublishedTrailer& getTrailer() const { return Trailer; }
	bool getCloseOnEscape() const { return CloseOnEscape; }
	void setCloseOnEscape(bool closeOnEscape) { CloseOnEscape = closeOnEscape; }
	bool isInFrameEventCall() const { return InFrameEventCall; }
	const irr::core::stringw& getLastCaption() const { return LastCaption; }
	irr::u32 getFramesDrawn() const { return FramesDrawn; }

	//! The one player of this process, or null outside its lifetime.
	static CPlayer* getInstance();

private:
	void construct(irr::io::IReadFile* executable, bool windowed, const char* scriptPath,
		const irr::core::dimension2di* windowSize);
	void createDevice(bool windowed, const irr::core::dimension2di* windowSize);
	void showLoadingScreen();
	void keepLoadingScreenUp(irr::u32 loadingStart);
	//! A new document loaded from file (may be null), with a fresh receiver; answers the
	//! receiver holding the queued embedded scripts (one reference for the caller).
	CVeskWarningAndErrorReceiver* loadDocument(irr::io::IReadFile* file);
	void replaceScriptText(const char* scriptPath);
	void applyPendingCamera();
	CVeskScene* findScene(const irr::c8* name);
	//! The node a "#node.property" name is bound to in the current scene ("system": the root).
	irr::scene::ISceneNode* findBoundNode(const irr::c8* name, irr::core::stringc& nodeName,
		irr::core::stringc& property) const;
	void forgetInitializedScene(CVeskScene* scene);
	void showCursorForActiveCamera();
	irr::video::SColor getCurrentBackgroundColor() const;

	//! A scene that was made current once, with what its first activation built.
	struct SInitializedSceneData
	{
		CVeskScene* scene;
		irr::scene::ITriangleSelector* worldSelector;
	};

	irr::IrrlichtDevice* Device = 0;
	SPublishedTrailer Trailer;
	irr::io::IReadFile* ExecutableFile = 0;
	irr::video::ITexture* LoadingImage = 0;
	CEdrixServices* Services = 0;
	CDebugConsole* Console = 0;
	CVeskDocument* Document = 0;
	CVeskScene* CurrentScene = 0;
	irr::scene::ISceneManager* CurrentSceneManager = 0;
	irr::scene::ITriangleSelector* CurrentWorldSelector = 0;
	irr::core::array<SInitializedSceneData> InitializedScenes;
	//! Grabbed while pending, so a camera deleted meanwhile cannot dangle.
	irr::scene::ISceneNode* PendingCamera = 0;
	irr::scene::ISceneNodeAnimator* CurrentScriptBehaviour = 0;
	irr::scene::ISceneNode* ScriptCurrentNode = 0;
	CHXVariableTable Variables;
	irr::core::stringw LastCaption;
	irr::u32 FramesDrawn = 0;
	bool Debug = false;
	bool CloseOnEscape = false;
	bool InFrameEventCall = false;
};

#endif
