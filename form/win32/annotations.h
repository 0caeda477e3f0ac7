// The names and hints screen readers give the boxes, as annotations of their accessible objects.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "form/control_table.h"

struct IAccPropServices;

class BoxAnnotations {
  public:
    // Annotates the controls of the table's rows; does nothing where COM is not set up.
    void Annotate(const std::array<HWND, kControls.size()>& controls);
    // Takes the annotations back, while the controls still exist.
    void Clear();

  private:
    struct Release {
        void operator()(IAccPropServices* services) const;
    };

    std::unique_ptr<IAccPropServices, Release> services_;
    std::array<HWND, kControls.size()> controls_{};
};
