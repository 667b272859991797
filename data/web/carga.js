// Loads Zafrelo into the page: checks that the browser can run it, shows the download's progress,
// starts the program in the #programa box (which fills the page) and tells the pupil when it ends.
// scripts/web writes the size of zafrelo.wasm in place of @TAMANO_WASM@: a server that compresses
// the file sends no usable length of its own.
'use strict';
(function () {
  const tamanoWasm = Number('@TAMANO_WASM@');
  const aviso = document.getElementById('aviso');
  const mensaje = document.getElementById('mensaje');
  const progreso = document.getElementById('progreso');
  const reiniciar = document.getElementById('reiniciar');
  const programa = document.getElementById('programa');
  reiniciar.addEventListener('click', () => location.reload());

  function mostrar(texto, { conProgreso = false, conBoton = false } = {}) {
    mensaje.textContent = texto;
    progreso.hidden = !conProgreso;
    reiniciar.hidden = !conBoton;
    aviso.hidden = false;
  }

  // Measured by scripts/bench-web and watched by scripts/test-web, through the browser's log.
  function registrar(texto) {
    console.info('zafrelo: ' + texto);
  }

  // A task that holds the page for seconds is what makes a browser call it unresponsive.
  if ('PerformanceObserver' in window &&
      (PerformanceObserver.supportedEntryTypes || []).includes('longtask')) {
    new PerformanceObserver(lista => {
      for (const tarea of lista.getEntries())
        if (tarea.duration >= 1000) registrar('tarea larga ' + Math.round(tarea.duration) + ' ms');
    }).observe({ entryTypes: ['longtask'] });
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    mostrar('Este navegador no puede abrir Zafrelo: no admite WebAssembly. Ábralo con una ' +
            'versión reciente de Chrome, Edge, Firefox o Safari.');
    return;
  }
  function porcentaje(recibidos) {
    if (!(tamanoWasm > 0)) return;
    const p = Math.min(100, Math.floor(100 * recibidos / tamanoWasm));
    progreso.value = p;
    mensaje.textContent = 'Cargando Zafrelo… ' + p + ' %';
  }

  // The download compiled as it arrives, from the browser's own response so that the browser can
  // keep the compiled code for the next visit; a copy of the stream counts the bytes.
  async function contar(lector) {
    let recibidos = 0;
    for (;;) {
      const { done, value } = await lector.read();
      if (done) return;
      recibidos += value.byteLength;
      porcentaje(recibidos);
    }
  }

  async function instanciar(importaciones, recibir) {
    const respuesta = await fetch('zafrelo.wasm');
    if (!respuesta.ok) throw new Error('zafrelo.wasm: HTTP ' + respuesta.status);
    contar(respuesta.clone().body.getReader()).catch(() => {});
    let resultado;
    try {
      resultado = await WebAssembly.instantiateStreaming(respuesta, importaciones);
    } catch (e) {
      // A server that does not say application/wasm: compiled once the whole file is in.
      console.warn('zafrelo: ' + e);
      const bytes = await (await fetch('zafrelo.wasm')).arrayBuffer();
      resultado = await WebAssembly.instantiate(bytes, importaciones);
    }
    mensaje.textContent = 'Abriendo Zafrelo…';
    recibir(resultado.instance, resultado.module);
  }

  function fallo(motivo) {
    programa.hidden = true;
    mostrar('Zafrelo se ha detenido por un error. Vuelva a cargar la página para empezar de nuevo.',
            { conBoton: true });
    console.error('zafrelo: error ' + motivo);
  }

  mostrar('Cargando Zafrelo…', { conProgreso: true });
  progreso.value = 0;
  const guion = document.createElement('script');
  guion.src = 'zafrelo.js';
  guion.onerror = () => fallo('no se pudo cargar zafrelo.js');
  guion.onload = () => {
    createQtAppInstance({
      qtContainerElements: [programa],
      instantiateWasm(importaciones, recibir) {
        instanciar(importaciones, recibir).catch(fallo);
        return {};
      },
      print: texto => console.log(texto),
      printErr: texto => console.warn(texto),
      onAbort: fallo,
      // Called by the program: its window has been painted for the first time.
      zafreloListo() {
        aviso.hidden = true;
        // From the moment the page was asked for.
        registrar('primer cuadro ' + Math.round(performance.now()) + ' ms');
      },
      // Called by the program when the pupil chooses Salir.
      zafreloTerminado() {
        programa.hidden = true;
        mostrar('Zafrelo se ha cerrado.', { conBoton: true });
        reiniciar.focus();
        registrar('terminado');
      }
    }).catch(fallo);
  };
  document.body.appendChild(guion);
})();
