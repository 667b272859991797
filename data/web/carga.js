// Loads Zafrelo into the page: shows the download's progress, starts the program in the #programa
// box (which fills the page) and tells the pupil when it ends; keeps the program for visits with
// no network (servicio.js). index.html has checked that the browser can read this file.
// scripts/web writes the size of zafrelo.wasm in place of @TAMANO_WASM@ (a server that compresses
// the file sends no usable length of its own) and a hash of the files in place of @VERSION@.
'use strict';
(function () {
  const tamanoWasm = Number('@TAMANO_WASM@');
  const version = '@VERSION@';
  // The program's files carry their version in the address: the service worker serves a stored
  // copy only while it is the right one.
  const direccionWasm = 'zafrelo.wasm?v=' + version;
  const almacen = 'zafrelo-' + version;
  const aviso = document.getElementById('aviso');
  const mensaje = document.getElementById('mensaje');
  const progreso = document.getElementById('progreso');
  const reiniciar = document.getElementById('reiniciar');
  const programa = document.getElementById('programa');
  const anuncios = document.getElementById('anuncios');
  const foco = document.getElementById('foco');
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

  // Errors that no code caught, in the page's log in every browser (Firefox writes only the
  // console's own lines to its output).
  window.addEventListener('error', e => console.error('zafrelo: error ' + e.message));
  window.addEventListener('unhandledrejection', e => console.error('zafrelo: error ' + e.reason));

  // A task that holds the page for seconds is what makes a browser call it unresponsive.
  if ('PerformanceObserver' in window &&
      (PerformanceObserver.supportedEntryTypes || []).includes('longtask')) {
    new PerformanceObserver(lista => {
      for (const tarea of lista.getEntries())
        if (tarea.duration >= 1000) registrar('tarea larga ' + Math.round(tarea.duration) + ' ms');
    }).observe({ entryTypes: ['longtask'] });
  }

  // Qt's accessibility layer waits for a hidden button of its own to be pressed, in the shadow
  // tree Qt draws in. Pressed at once, a screen reader finds every box and button by name with
  // nothing to look for first.
  function activarLector(raiz) {
    for (const elemento of raiz.querySelectorAll('*')) {
      if (elemento.classList.contains('hidden-visually-read-by-screen-reader')) elemento.click();
      if (elemento.shadowRoot) activarLector(elemento.shadowRoot);
    }
  }

  // A new paragraph in a live region each time: the same words twice are announced twice.
  function decir(region, texto) {
    const parrafo = document.createElement('p');
    parrafo.textContent = texto;
    region.replaceChildren(parrafo);
  }

  function porcentaje(recibidos) {
    if (!(tamanoWasm > 0)) return;
    const p = Math.min(100, Math.floor(100 * recibidos / tamanoWasm));
    progreso.value = p;
    mensaje.textContent = 'Cargando Zafrelo… ' + p + ' %';
  }

  // Counts the bytes of a copy of the download, for the progress bar.
  async function contar(lector) {
    let recibidos = 0;
    for (;;) {
      const { done, value } = await lector.read();
      if (done) return;
      recibidos += value.byteLength;
      porcentaje(recibidos);
    }
  }

  // Keeps the downloaded program for the next visit with no network, once the service worker runs.
  async function guardar(copia) {
    if (!('serviceWorker' in navigator) || typeof caches !== 'object') return;
    try {
      await navigator.serviceWorker.register('servicio.js');
      const guardado = await caches.open(almacen);
      if (!(await guardado.match(direccionWasm)))
        await guardado.put(direccionWasm, copia);
      await navigator.serviceWorker.ready;
      registrar('disponible sin red');
    } catch (e) {
      console.warn('zafrelo: sin copia para cuando no haya red: ' + e);
    }
  }

  // The download is compiled as it arrives, from the browser's own response so that the browser
  // can keep the compiled code for the next visit; copies of the stream count the bytes and are
  // stored. A server that does not say application/wasm gets the same bytes compiled once they
  // are all in: the program is never downloaded twice.
  async function instanciar(importaciones, recibir) {
    const respuesta = await fetch(direccionWasm);
    if (!respuesta.ok) throw new Error('zafrelo.wasm: HTTP ' + respuesta.status);
    contar(respuesta.clone().body.getReader()).catch(() => {});
    const copia = respuesta.clone();
    const tipo = (respuesta.headers.get('Content-Type') || '').split(';')[0].trim();
    const resultado = tipo === 'application/wasm' && WebAssembly.instantiateStreaming
      ? await WebAssembly.instantiateStreaming(respuesta, importaciones)
      : await WebAssembly.instantiate(await respuesta.arrayBuffer(), importaciones);
    mensaje.textContent = 'Abriendo Zafrelo…';
    recibir(resultado.instance, resultado.module);
    guardar(copia);
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
  guion.src = 'zafrelo.js?v=' + version;
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
        activarLector(programa);
        // From the moment the page was asked for.
        registrar('primer cuadro ' + Math.round(performance.now()) + ' ms');
      },
      // Called by the program with a notice for screen readers.
      zafreloAnunciar(texto) {
        decir(anuncios, texto);
      },
      // Called by the program when the keyboard's focus moves. Qt types into one text input of its
      // own (the page's only one), which takes the name of the control with the focus. It keeps
      // the browser's focus from box to box, so the browser announces no move: the name is said
      // through a live region of its own.
      zafreloFoco(nombre) {
        const entrada = document.querySelector('body > input');
        if (!entrada) return;
        const movida = document.activeElement === entrada &&
                       entrada.getAttribute('aria-label') !== nombre;
        if (nombre) entrada.setAttribute('aria-label', nombre);
        else entrada.removeAttribute('aria-label');
        if (movida && nombre) decir(foco, nombre);
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
