#ifndef HX_C_PLAYER_H
#define HX_C_PLAYER_H

#include "document/SPublishedTrailer.h"

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

class CVeskDocument;
class CVeskScene;

//! The application: one per process. The constructor brings the whole system up, run() is
//! the frame loop, OnEvent routes input and log events, the destructor tears down in order.
class CPlayer : public irr::IEventReceiver, public virtual irr::IReferenceCounted
{
public:
	//! scriptPath and windowSize may be null (absent).
	CPlayer(bool debug, bool windowed, bool headMountedDisplay, const char* scriptPath,
		const irr::core::dimension2di* windowSize);
	virtual ~CPlayer();

	virtual bool OnEvent(const irr::SEvent& event);

	//! The frame loop; returns when the device stops running, at once without a device.
	void run();

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
	void createDevice(bool windowed, const irr::core::dimension2di* windowSize);
	void showLoadingScreen();
	void keepLoadingScreenUp(irr::u32 loadingStart);
	void loadDocument();
	void drawFrame();
	void showCursorForActiveCamera();
	irr::video::SColor getCurrentBackgroundColor() const;

	//! A scene that was made current once, with what its first activation built.
	struct SInitializedSceneData
	{
		CVeskScene* scene;
		irr::scene::ITriangleSelector* worldSelector;
	};

	irr::IrrlichtDevice* Device;
	SPublishedTrailer Trailer;
	irr::io::IReadFile* ExecutableFile;
	irr::video::ITexture* LoadingImage;
	CVeskDocument* Document;
	CVeskScene* CurrentScene;
	irr::scene::ISceneManager* CurrentSceneManager;
	irr::scene::ITriangleSelector* CurrentWorldSelector;
	irr::core::array<SInitializedSceneData> InitializedScenes;
	irr::core::stringw LastCaption;
	irr::u32 FramesDrawn;
	bool Debug;
	bool CloseOnEscape;
	bool InFrameEventCall;
};

#endif
