// Drag objects and the drag image list of the class library's drag and drop;
// the drag itself is driven by TDragTracker (DragState.h) from DragDrop.cpp.
#pragma once

#include "classlib/Controls.h"
#include "classlib/ImgList.h"

// An image list whose one image follows the mouse during a drag, over every
// window of the screen, with its hot spot under the cursor.
class TDragImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
  ~TDragImageList() override;
  String ClassName() const override { return L"TDragImageList"; }

  // The image shown by the next BeginDrag and the point of it under the cursor.
  bool SetDragImage(int Index, int HotSpotX, int HotSpotY);
  int DragIndex() const { return FDragIndex; }
  TPoint DragHotspot() const { return FDragHotspot; }

  // Starts showing the image with its hot spot at X, Y of Window (nullptr:
  // the screen); false when the list has no such image.
  bool BeginDrag(HWND Window, int X, int Y);
  bool DragMove(int X, int Y);
  // Hide while the windows under the image repaint, then show again.
  void HideDragImage();
  void ShowDragImage();
  bool EndDrag();
  bool Dragging() const { return FDragging; }
  bool Shown() const { return FShown; }

 private:
  int FDragIndex = 0;
  TPoint FDragHotspot;
  HWND FDragWindow = nullptr;
  bool FDragging = false;
  bool FShown = false;
};

// What is dragged. The library makes a TDragControlObject for a drag whose
// OnStartDrag gives none; one given by the program stays the program's.
class TDragObject : public TObject {
 public:
  String ClassName() const override { return L"TDragObject"; }
  bool LibraryMayHold() const override { return true; }  // the drag goes on with it
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
  virtual TDragImageList* GetDragImages() { return nullptr; }
  // The drag ended; Accepted when Target took the drop.
  virtual void Finished(TObject* Target, int X, int Y, bool Accepted) {}
  // Where the mouse is (screen) and over which control.
  TPoint DragPos() const { return FDragPos; }
  TControl* DragTarget() const { return FDragTarget; }
  bool Dropped() const { return FDropped; }

 private:
  friend class TDragSession;
  TPoint FDragPos;
  TControl* FDragTarget = nullptr;
  bool FDropped = false;
};

// A control dragged: its drag cursor, its drag images, its DoEndDrag.
class TDragControlObject : public TDragObject {
 public:
  explicit TDragControlObject(TControl* AControl) : FControl(AControl) {}
  String ClassName() const override { return L"TDragControlObject"; }
  TControl* Control() const { return FControl; }
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;
  TDragImageList* GetDragImages() override;
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;

 private:
  friend void DragControlDestroyed(TControl* Control);
  TControl* FControl;
};

// The object of the drag under way (started or waiting), or nullptr.
TDragObject* CurrentDragObject();
// The control a drag under way was begun on, or nullptr.
TControl* DragSourceControl();
// Hide and show the drag image, for a target repainting under it.
void HideDragImage();
void ShowDragImage();
// A control going away leaves the drag: as its source the drag stops
// without events to it, as its target it is forgotten.
void DragControlDestroyed(TControl* Control);
