#include "package_generator/feature_locations.h"

#include "genome/package_paths.h"
#include "package_generator/genetic_code_file.h"
#include "package_generator/package_folders.h"

namespace vesmar::generator {

Status write_feature_locations(const std::string& home, const FeatureLocations& features) {
  auto path = [&](std::string_view name) { return path_under(home, kFeatureLocationsFolder, name); };
  if (Status s = write_region_file(path("cexons.txt"), features.exons); !s.ok()) return s;
  if (Status s = write_region_file(path("cintrons.txt"), features.introns); !s.ok()) return s;
  if (Status s = write_region_file(path("cintergenic.txt"), features.intergenic); !s.ok()) return s;
  if (Status s = write_exon_sequences(path("exon_sequences.txt"), features.exon_sequences); !s.ok()) return s;
  if (Status s = write_exon_frames(path("exon_frames.txt"), features.exon_frames); !s.ok()) return s;
  return write_genetic_code(path("genetic_code.txt"), features.stop_name);
}

}  // namespace vesmar::generator
